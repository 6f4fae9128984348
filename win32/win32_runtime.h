#pragma once

#include <windows.h>

#include "runtime/forms_runtime.h"

namespace petcalc::win32 {

class Form1Window;

// The runtime over the real window: the text of its EDIT boxes by control name, and the
// program's own dialogs over it. The error dialog carries the window's title.
class Win32Runtime : public FormsRuntime {
 public:
  explicit Win32Runtime(const Form1Window& window) : window_(window) {}

  // A name that is not one of the window's boxes throws std::out_of_range; a box that refuses
  // a text throws std::runtime_error.
  std::u16string GetText(std::string_view control) override;
  void SetText(std::string_view control, std::u16string_view text) override;

  std::u16string InputBox(std::u16string_view prompt, std::u16string_view title) override;
  void MsgBox(std::u16string_view prompt, std::u16string_view title) override;
  void ReportError(std::u16string_view text) override;

 private:
  HWND Box(std::string_view control) const;

  const Form1Window& window_;
};

}  // namespace petcalc::win32

#pragma once

#include <windows.h>

#include "form/controls.h"
#include "runtime/forms_runtime.h"

namespace petcalc::win32 {

// The runtime over the real window: the text of its EDIT boxes, and the program's own dialogs
// owned by the window. The error dialog carries the window's title.
class Win32Runtime : public FormsRuntime {
 public:
  // `controls` is the window's handle for each control; it must outlive the runtime.
  Win32Runtime(HWND owner, const form::PerControl<HWND>& controls)
      : owner_(owner), controls_(controls) {}

  // A box that refuses a text throws std::runtime_error.
  std::u16string GetText(form::TextBox box) override;
  void SetText(form::TextBox box, std::u16string_view text) override;

  std::u16string InputBox(std::u16string_view prompt, std::u16string_view title) override;
  void MsgBox(std::u16string_view prompt, std::u16string_view title) override;
  void ReportError(std::u16string_view text) override;

 private:
  HWND owner_;
  const form::PerControl<HWND>& controls_;
};

}  // namespace petcalc::win32

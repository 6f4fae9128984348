#pragma once

#include "form/controls.h"
#include "qt/form1_widgets.h"
#include "runtime/forms_runtime.h"

class QWidget;

namespace petcalc::qt {

// The runtime over a real window: the text of its boxes, which are QLineEdits, and the real
// dialogs over the window. The error dialog carries the window's title.
class QtRuntime : public FormsRuntime {
 public:
  // `widgets` is the window's widget for each control; it must outlive the runtime.
  QtRuntime(QWidget& window, const Form1Widgets& widgets) : window_(window), widgets_(widgets) {}

  std::u16string GetText(form::TextBox box) override;
  void SetText(form::TextBox box, std::u16string_view text) override;

  std::u16string InputBox(std::u16string_view prompt, std::u16string_view title) override;
  void MsgBox(std::u16string_view prompt, std::u16string_view title) override;
  void ReportError(std::u16string_view text) override;

 private:
  QWidget& window_;
  const Form1Widgets& widgets_;
};

}  // namespace petcalc::qt

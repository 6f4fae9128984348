#pragma once

#include "form/controls.h"
#include "runtime/forms_runtime.h"

class QLineEdit;
class QWidget;

namespace petcalc::qt {

// The runtime over a real window: the text of its boxes, which are QLineEdits, and the real
// dialogs over the window. The error dialog carries the window's title.
class QtRuntime : public FormsRuntime {
 public:
  // `controls` is the window's widget for each control; it must outlive the runtime.
  QtRuntime(QWidget& window, const form::PerControl<QWidget*>& controls)
      : window_(window), controls_(controls) {}

  std::u16string GetText(form::TextBox box) override;
  void SetText(form::TextBox box, std::u16string_view text) override;

  std::u16string InputBox(std::u16string_view prompt, std::u16string_view title) override;
  void MsgBox(std::u16string_view prompt, std::u16string_view title) override;
  void ReportError(std::u16string_view text) override;

 private:
  QLineEdit& Box(form::TextBox box) const;

  QWidget& window_;
  const form::PerControl<QWidget*>& controls_;
};

}  // namespace petcalc::qt

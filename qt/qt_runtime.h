#pragma once

#include <QHash>
#include <QString>

#include "runtime/forms_runtime.h"

class QLineEdit;
class QWidget;

namespace petcalc::qt {

// The runtime over a real window: the text of its QLineEdit children by object name, and the
// real dialogs over it. The error dialog carries the window's title.
class QtRuntime : public FormsRuntime {
 public:
  explicit QtRuntime(QWidget& window);

  // A name that is not one of the window's boxes throws std::out_of_range.
  std::u16string GetText(std::string_view control) override;
  void SetText(std::string_view control, std::u16string_view text) override;

  std::u16string InputBox(std::u16string_view prompt, std::u16string_view title) override;
  void MsgBox(std::u16string_view prompt, std::u16string_view title) override;
  void ReportError(std::u16string_view text) override;

 private:
  QLineEdit& Box(std::string_view control) const;

  QWidget& window_;
  QHash<QString, QLineEdit*> boxes_;
};

}  // namespace petcalc::qt

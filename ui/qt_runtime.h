#pragma once

#include <QHash>
#include <QString>

#include "runtime/dialog_forwarding_runtime.h"

class QLineEdit;
class QWidget;

namespace petcalc::ui {

// The runtime over a real window: the text of its QLineEdit children by object name, and the
// dialogs it is given.
class QtRuntime : public DialogForwardingRuntime {
 public:
  QtRuntime(QWidget& window, Dialogs& dialogs);

  // A name that is not one of the window's boxes throws std::out_of_range.
  std::u16string GetText(std::string_view control) override;
  void SetText(std::string_view control, std::u16string_view text) override;

 private:
  QLineEdit& Box(std::string_view control) const;

  QHash<QString, QLineEdit*> boxes_;
};

}  // namespace petcalc::ui

#include "ui/qt_runtime.h"

#include <QLineEdit>
#include <QWidget>
#include <stdexcept>
#include <string>

#include "ui/qt_text.h"

namespace petcalc::ui {

QtRuntime::QtRuntime(QWidget& window, Dialogs& dialogs) : DialogForwardingRuntime(dialogs) {
  for (QLineEdit* box : window.findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
    boxes_.insert(box->objectName(), box);
  }
}

QLineEdit& QtRuntime::Box(std::string_view control) const {
  QLineEdit* box = boxes_.value(ToQString(control));
  if (box == nullptr) throw std::out_of_range("no text box named " + std::string(control));
  return *box;
}

std::u16string QtRuntime::GetText(std::string_view control) {
  return Box(control).text().toStdU16String();
}

void QtRuntime::SetText(std::string_view control, std::u16string_view text) {
  QLineEdit& box = Box(control);
  box.setText(ToQString(text));
  // Show the number's start, as a freshly written box does, rather than its end.
  box.setCursorPosition(0);
}

}  // namespace petcalc::ui

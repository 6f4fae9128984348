#include "qt/qt_runtime.h"

#include <QLineEdit>
#include <QWidget>
#include <stdexcept>
#include <string>

#include "qt/qt_dialogs.h"
#include "qt/qt_text.h"

namespace petcalc::qt {

QtRuntime::QtRuntime(QWidget& window) : window_(window) {
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

std::u16string QtRuntime::InputBox(std::u16string_view prompt, std::u16string_view title) {
  return AskText(&window_, ToQString(prompt), ToQString(title)).toStdU16String();
}

void QtRuntime::MsgBox(std::u16string_view prompt, std::u16string_view title) {
  ShowMessage(&window_, ToQString(prompt), ToQString(title));
}

void QtRuntime::ReportError(std::u16string_view text) {
  ShowError(&window_, ToQString(text), window_.windowTitle());
}

}  // namespace petcalc::qt

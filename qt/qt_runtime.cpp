#include "qt/qt_runtime.h"

#include <QLineEdit>
#include <QWidget>

#include "qt/qt_dialogs.h"
#include "qt/qt_text.h"

namespace petcalc::qt {

std::u16string QtRuntime::GetText(form::TextBox box) {
  return widgets_[box]->text().toStdU16String();
}

void QtRuntime::SetText(form::TextBox box, std::u16string_view text) {
  QLineEdit* edit = widgets_[box];
  edit->setText(ToQString(text));
  edit->setCursorPosition(form::kCaretAfterWrite);
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

#include "ui/qt_dialogs.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QWidget>

#include "ui/qt_text.h"

namespace petcalc::ui {
namespace {

const QString kOk = QStringLiteral("确定");
const QString kCancel = QStringLiteral("取消");

void ShowMessage(QWidget* owner, QMessageBox::Icon icon, const QString& title,
                 const QString& text) {
  QMessageBox box(icon, title, text, QMessageBox::NoButton, owner);
  box.addButton(kOk, QMessageBox::AcceptRole);
  box.exec();
}

}  // namespace

std::u16string QtDialogs::InputBox(std::u16string_view prompt, std::u16string_view title) {
  QInputDialog dialog(owner_);
  dialog.setWindowTitle(ToQString(title));
  dialog.setLabelText(ToQString(prompt));
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setOkButtonText(kOk);
  dialog.setCancelButtonText(kCancel);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.textValue().toStdU16String();
}

void QtDialogs::MsgBox(std::u16string_view prompt, int /*buttons: only OK is ever asked for*/,
                       std::u16string_view title) {
  ShowMessage(owner_, QMessageBox::NoIcon, ToQString(title), ToQString(prompt));
}

void QtDialogs::ReportError(int number, std::u16string_view description) {
  const QString title = owner_ != nullptr ? owner_->windowTitle() : QString();
  ShowMessage(owner_, QMessageBox::Critical, title,
              QStringLiteral("运行时错误 '%1':\n\n%2").arg(number).arg(ToQString(description)));
}

}  // namespace petcalc::ui

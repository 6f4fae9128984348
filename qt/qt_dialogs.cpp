#include "qt/qt_dialogs.h"

#include <QInputDialog>
#include <QMessageBox>

#include "form/dialog_captions.h"
#include "qt/qt_text.h"

namespace petcalc::qt {
namespace {

void ShowMessageBox(QWidget* owner, QMessageBox::Icon icon, const QString& text,
                    const QString& title) {
  QMessageBox box(icon, title, text, QMessageBox::NoButton, owner);
  box.addButton(ToQString(form::kOkCaption), QMessageBox::AcceptRole);
  box.exec();
}

}  // namespace

QString AskText(QWidget* owner, const QString& prompt, const QString& title) {
  QInputDialog dialog(owner);
  dialog.setWindowTitle(title);
  dialog.setLabelText(prompt);
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setOkButtonText(ToQString(form::kOkCaption));
  dialog.setCancelButtonText(ToQString(form::kCancelCaption));
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.textValue();
}

void ShowMessage(QWidget* owner, const QString& prompt, const QString& title) {
  ShowMessageBox(owner, QMessageBox::NoIcon, prompt, title);
}

void ShowError(QWidget* owner, const QString& text, const QString& title) {
  ShowMessageBox(owner, QMessageBox::Critical, text, title);
}

}  // namespace petcalc::qt

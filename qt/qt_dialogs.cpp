#include "qt/qt_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>

#include "form/dialog_captions.h"
#include "qt/qt_text.h"

namespace petcalc::qt {
namespace {

// While a dialog is up, a held Enter confirms nothing: its repeats (a press that opened the
// dialog, still held) are dropped before the dialog or its default button reads them.
class HeldEnterFilter : public QObject {
 public:
  HeldEnterFilter() { QApplication::instance()->installEventFilter(this); }
  ~HeldEnterFilter() override { QApplication::instance()->removeEventFilter(this); }
  HeldEnterFilter(const HeldEnterFilter&) = delete;
  HeldEnterFilter& operator=(const HeldEnterFilter&) = delete;

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    return key->isAutoRepeat() && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter);
  }
};

// The dialog modal over its owner; when it closes, the owner is active again, its focus on the
// control that had it, without waiting for a window manager to choose it.
int Run(QDialog& dialog) {
  const HeldEnterFilter filter;
  const int result = dialog.exec();
  if (QWidget* owner = dialog.parentWidget()) owner->activateWindow();
  return result;
}

void ShowMessageBox(QWidget* owner, QMessageBox::Icon icon, const QString& text,
                    const QString& title) {
  QMessageBox box(icon, title, text, QMessageBox::NoButton, owner);
  box.addButton(ToQString(form::kOkCaption), QMessageBox::AcceptRole);
  Run(box);
}

}  // namespace

QString AskText(QWidget* owner, const QString& prompt, const QString& title) {
  QInputDialog dialog(owner);
  dialog.setWindowTitle(title);
  dialog.setLabelText(prompt);
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setOkButtonText(ToQString(form::kOkCaption));
  dialog.setCancelButtonText(ToQString(form::kCancelCaption));
  if (Run(dialog) != QDialog::Accepted) return {};
  return dialog.textValue();
}

void ShowMessage(QWidget* owner, const QString& prompt, const QString& title) {
  ShowMessageBox(owner, QMessageBox::NoIcon, prompt, title);
}

void ShowError(QWidget* owner, const QString& text, const QString& title) {
  ShowMessageBox(owner, QMessageBox::Critical, text, title);
}

}  // namespace petcalc::qt

#include "tests/qt/dialog_answers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "calc/dialog_title.h"
#include "qt/qt_text.h"

namespace petcalc::testing {
namespace {

using qt::ToQString;

QStringList ButtonTexts(QWidget* dialog) {
  QStringList texts;
  for (QPushButton* button : dialog->findChildren<QPushButton*>()) texts << button->text();
  texts.sort();
  return texts;
}

void Press(QWidget* dialog, const QString& caption) {
  for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
    if (button->text() == caption) {
      QTest::mouseClick(button, Qt::LeftButton);
      return;
    }
  }
  ADD_FAILURE() << "no button captioned " << caption.toStdString();
}

// A repeat of an Enter already held down, as the keyboard sends it.
void SendHeldEnter(QWidget* target) {
  QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
  QApplication::sendEvent(target, &repeat);
}

void AnswerPrompt(QWidget* modal, const Dialog& expected) {
  auto* prompt = qobject_cast<QInputDialog*>(modal);
  ASSERT_NE(prompt, nullptr) << "a prompt was expected";
  EXPECT_EQ(prompt->windowTitle(), ToQString(kDialogTitle));
  EXPECT_EQ(prompt->labelText(), ToQString(expected.text));
  EXPECT_EQ(prompt->textValue(), QString());
  EXPECT_EQ(ButtonTexts(prompt), (QStringList{u"取消"_qs, u"确定"_qs}));
  QLineEdit* field = prompt->findChild<QLineEdit*>();
  if (expected.answer.held_enter_first) {
    SendHeldEnter(field);
    ASSERT_TRUE(prompt->isVisible()) << "a held Enter confirmed the prompt";
  }
  QTest::keyClicks(field, ToQString(expected.answer.typed));
  switch (expected.answer.way) {
    case Answer::Way::kTyped:
      QTest::keyClick(field, Qt::Key_Return);
      break;
    case Answer::Way::kEmpty:
      Press(prompt, u"确定"_qs);
      break;
    case Answer::Way::kCancelled:
      Press(prompt, u"取消"_qs);
      break;
    case Answer::Way::kEscaped:
      QTest::keyClick(field, Qt::Key_Escape);
      break;
  }
}

void CloseMessage(QWidget* modal, const Dialog& expected) {
  auto* box = qobject_cast<QMessageBox*>(modal);
  ASSERT_NE(box, nullptr) << "a message was expected";
  const bool error = expected.kind == Dialog::Kind::kError;
  EXPECT_EQ(box->windowTitle(), ToQString(error ? form::kForm1Title : kDialogTitle));
  EXPECT_EQ(box->text(), ToQString(expected.text));
  EXPECT_EQ(box->icon(), error ? QMessageBox::Critical : QMessageBox::NoIcon);
  EXPECT_EQ(ButtonTexts(box), QStringList{u"确定"_qs});
  Press(box, u"确定"_qs);
}

}  // namespace

void AnswerDialog(QWidget* modal, const Dialog& expected) {
  if (expected.kind == Dialog::Kind::kPrompt) {
    AnswerPrompt(modal, expected);
  } else {
    CloseMessage(modal, expected);
  }
}

}  // namespace petcalc::testing

// The shared scenarios through the real Qt window: keys typed into its boxes, the mouse on its
// buttons, and its real dialogs answered as a player answers them.
#include "tests/support/scenarios.h"

#include <gtest/gtest.h>

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "calc/dialog_title.h"
#include "qt/qt_text.h"
#include "tests/qt/qt_form_test.h"

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

// The prompt asks with its text under the dialog title, an empty field, 确定 and 取消.
void AnswerPrompt(QWidget* modal, const Dialog& expected) {
  auto* prompt = qobject_cast<QInputDialog*>(modal);
  ASSERT_NE(prompt, nullptr) << "a prompt was expected";
  EXPECT_EQ(prompt->windowTitle(), ToQString(kDialogTitle));
  EXPECT_EQ(prompt->labelText(), ToQString(expected.text));
  EXPECT_EQ(prompt->textValue(), QString());
  EXPECT_EQ(ButtonTexts(prompt), (QStringList{u"取消"_qs, u"确定"_qs}));
  QLineEdit* field = prompt->findChild<QLineEdit*>();
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
  }
}

// A message or an error: its text, its title and icon, one 确定, which is pressed.
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

class QtScenario : public QtFormTest,
                   public ScenarioPlayer,
                   public ::testing::WithParamInterface<Scenario> {
 protected:
  void Type(form::TextBox box, std::u16string_view text) override {
    QtForm::Type(box, ToQString(text));
  }
  void Expect(const Dialog& dialog) override {
    answerer_.Expect([dialog](QWidget* modal) {
      if (dialog.kind == Dialog::Kind::kPrompt) {
        AnswerPrompt(modal, dialog);
      } else {
        CloseMessage(modal, dialog);
      }
    });
  }
  void Click(form::Button button) override { QtForm::Click(button); }
  void CheckDialogsShown() override { EXPECT_TRUE(answerer_.AllAnswered()); }
  std::u16string Text(form::TextBox box) override { return QtForm::Text(box).toStdU16String(); }
};

TEST_P(QtScenario, ShowsWhatThePlayerSees) {
  ASSERT_TRUE(ShowAndActivate());
  Play(GetParam(), *this);
}

INSTANTIATE_TEST_SUITE_P(Shared, QtScenario, ::testing::ValuesIn(SharedScenarios()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace petcalc::testing

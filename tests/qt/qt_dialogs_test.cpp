#include "qt/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "qt/form1.h"
#include "qt/qt_text.h"
#include "tests/support/modal_answerer.h"
#include "tests/support/qt_typical_stats.h"

namespace petcalc::qt {
namespace {

using petcalc::testing::ModalAnswerer;

QStringList ButtonTexts(QWidget* dialog) {
  QStringList texts;
  for (QPushButton* button : dialog->findChildren<QPushButton*>()) texts << button->text();
  texts.sort();
  return texts;
}

QPushButton* ButtonCaptioned(QWidget* dialog, const QString& caption) {
  for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
    if (button->text() == caption) return button;
  }
  ADD_FAILURE() << "no button captioned " << caption.toStdString();
  return nullptr;
}

// A message box of that title, text and icon with one button, 确定, which it then presses.
void ExpectMessageAndPressOk(QWidget* modal, const QString& title, const QString& text,
                             QMessageBox::Icon icon) {
  auto* box = qobject_cast<QMessageBox*>(modal);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->windowTitle(), title);
  EXPECT_EQ(box->text(), text);
  EXPECT_EQ(box->icon(), icon);
  EXPECT_EQ(ButtonTexts(box), QStringList{u"确定"_qs});
  QTest::mouseClick(ButtonCaptioned(box, u"确定"_qs), Qt::LeftButton);
}

// The window with the real Qt dialogs, answered by a ModalAnswerer.
class RealDialogsTest : public ::testing::Test {
 protected:
  RealDialogsTest() {
    form_.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form_));
  }

  QLineEdit* Box(int n) { return form_.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n)); }

  void TypeStats(const QStringList& texts) {
    for (int i = 0; i < texts.size(); ++i) Box(i + 1)->setText(texts[i]);
  }

  void Click(const char* button) {
    QTest::mouseClick(form_.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
  }

  Form1 form_;
  ModalAnswerer answerer_;
};

// The typical stats without the current Inspiration, which the first click asks for.
const QStringList kElevenStats = petcalc::testing::TypicalStats().mid(0, 11);

TEST_F(RealDialogsTest, ThePromptAsksInChineseWithAnEmptyField) {
  TypeStats(kElevenStats);
  answerer_.Expect([](QWidget* modal) {
    auto* dialog = qobject_cast<QInputDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), u"Tenvo友情提示"_qs);
    EXPECT_EQ(dialog->labelText(), u"请在输入当前灵感"_qs);
    EXPECT_EQ(dialog->textValue(), QString());
    EXPECT_EQ(ButtonTexts(dialog), (QStringList{u"取消"_qs, u"确定"_qs}));
    QTest::keyClicks(dialog->findChild<QLineEdit*>(), u"30"_qs);
    QTest::mouseClick(ButtonCaptioned(dialog, u"确定"_qs), Qt::LeftButton);
  });
  Click("Command1");
  EXPECT_TRUE(answerer_.AllAnswered());
  EXPECT_EQ(Box(12)->text(), u"30"_qs);
  EXPECT_EQ(Box(26)->text(), u"10"_qs);
}

TEST_F(RealDialogsTest, ACancelledPromptCountsAsZero) {
  TypeStats(kElevenStats);
  answerer_.Expect([](QWidget* modal) {
    QTest::keyClicks(modal->findChild<QLineEdit*>(), u"99"_qs);
    QTest::mouseClick(ButtonCaptioned(modal, u"取消"_qs), Qt::LeftButton);
  });
  Click("Command1");
  EXPECT_EQ(Box(12)->text(), u"0"_qs);
  EXPECT_EQ(Box(18)->text(), u"-1"_qs);  // Inspiration 10 → 0 over ten levels
}

TEST_F(RealDialogsTest, TheRefusalIsAPlainMessageWithOneButton) {
  TypeStats(kElevenStats + QStringList{u"30"_qs});
  Box(7)->setText(u"1"_qs);
  answerer_.Expect([](QWidget* modal) {
    ExpectMessageAndPressOk(modal, u"Tenvo友情提示"_qs, u"对不起无法计算"_qs, QMessageBox::NoIcon);
  });
  Click("Command1");
  EXPECT_EQ(Box(25)->text(), u"0"_qs);
}

TEST_F(RealDialogsTest, AnErrorShowsItsNumberAndDescriptionAndTheWindowStays) {
  TypeStats(kElevenStats + QStringList{u"1e10"_qs});
  answerer_.Expect([](QWidget* modal) {
    ExpectMessageAndPressOk(modal, u"Tenvo宠物成长计算器0.5"_qs, u"运行时错误 '6':\n\n溢出"_qs,
                            QMessageBox::Critical);
  });
  Click("Command1");
  EXPECT_TRUE(form_.isVisible());
  EXPECT_TRUE(Box(14)->text().isEmpty());
}

}  // namespace
}  // namespace petcalc::qt

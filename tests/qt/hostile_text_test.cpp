// Whatever a player pastes reaches the calculations through the real window: huge texts, NUL,
// lone surrogates, full-width forms, invisible marks and emoji. The rule is Val's: full-width
// forms read as ASCII, blanks and invisible format characters are skipped, anything else ends
// the number. No text crashes, hangs or is altered in its box.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "qt/form1.h"
#include "qt/qt_text.h"
#include "tests/support/qt_typical_stats.h"
#include "tests/support/scripted_runtime.h"

namespace petcalc::qt {
namespace {

using petcalc::testing::ScriptedRuntime;
using ::testing::ElementsAre;

class HostileTextTest : public ::testing::Test {
 protected:
  HostileTextTest() : script_(form_.runtime()) {
    form_.runClicksOn(script_);
    form_.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form_));
    const QStringList stats = petcalc::testing::TypicalStats();
    for (int i = 0; i < stats.size(); ++i)
      Box(QStringLiteral("Text%1").arg(i + 1))->setText(stats[i]);
  }

  QLineEdit* Box(const QString& name) { return form_.findChild<QLineEdit*>(name); }

  void Paste(const QString& box, const QString& text) {
    QLineEdit* target = Box(box);
    target->clear();
    target->setFocus();
    QApplication::clipboard()->setText(text);
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
  }

  void Click(const char* button) {
    QTest::mouseClick(form_.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
  }

  Form1 form_;
  ScriptedRuntime script_;
};

TEST_F(HostileTextTest, AMegabytePasteIsReadInFull) {
  const QString stamina = u"50"_qs + QString(1 << 20, u' ');
  const QString target = u"21"_qs + QString(1 << 20, u'x');
  Paste(u"Text2"_qs, stamina);
  Paste(u"Text41"_qs, target);
  ASSERT_EQ(Box(u"Text2"_qs)->text().size(), stamina.size());
  ASSERT_EQ(Box(u"Text41"_qs)->text().size(), target.size());

  Click("Command1");
  Click("Command2");
  EXPECT_EQ(Box(u"Text14"_qs)->text(), u"2.5"_qs);
  EXPECT_EQ(Box(u"Text42"_qs)->text(), u"100"_qs);
  EXPECT_EQ(Box(u"Text2"_qs)->text(), stamina);
  EXPECT_THAT(script_.Dialogs(), ElementsAre());
}

TEST_F(HostileTextTest, OddCharactersFollowTheDocumentedRule) {
  const struct {
    const char* what;
    QString typed;
    QString stamina_growth;  // Stamina from the typed value to 75 over ten levels
  } cases[] = {
      {"full-width digits", u"５０"_qs, u"2.5"_qs},
      {"ideographic space", u"5\u30000"_qs, u"2.5"_qs},
      {"right-to-left mark", u"\u200F50"_qs, u"2.5"_qs},
      {"byte-order mark", u"\uFEFF50"_qs, u"2.5"_qs},
      {"emoji after", u"50\U0001F600"_qs, u"2.5"_qs},
      {"emoji before", u"\U0001F60050"_qs, u"7.5"_qs},
      {"NUL", u"5"_qs + QChar(u'\0') + u"0"_qs, u"7"_qs},
      {"lone surrogate", u"5"_qs + QChar(0xD800) + u"0"_qs, u"7"_qs},
      {"no-break space", u"5\u00A00"_qs, u"7"_qs},
      {"right-to-left digits", u"٥٠"_qs, u"7.5"_qs},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Box(u"Text2"_qs)->setText(c.typed);
    Click("Command1");
    EXPECT_EQ(Box(u"Text14"_qs)->text(), c.stamina_growth);
    EXPECT_EQ(Box(u"Text2"_qs)->text(), c.typed);
  }
  EXPECT_THAT(script_.Dialogs(), ElementsAre());
}

}  // namespace
}  // namespace petcalc::qt

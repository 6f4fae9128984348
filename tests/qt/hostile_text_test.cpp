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

#include "qt/qt_text.h"
#include "tests/qt/qt_form_test.h"
#include "tests/support/typical_pet.h"

namespace petcalc::testing {
namespace {

using ::testing::ElementsAre;

class HostileTextTest : public QtFormTest {
 protected:
  HostileTextTest() : QtFormTest(Dialogs::kScripted), script_(script()) {
    window().show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window()));
    PutStats(kTypicalStats);
  }

  void Paste(form::TextBox box, const QString& text) {
    QLineEdit* target = Control(box);
    target->clear();
    target->setFocus();
    QApplication::clipboard()->setText(text);
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
  }

  ScriptedRuntime& script_;
};

TEST_F(HostileTextTest, AMegabytePasteIsReadInFull) {
  const QString stamina = u"50"_qs + QString(1 << 20, u' ');
  const QString target = u"21"_qs + QString(1 << 20, u'x');
  Paste(form::Text2, stamina);
  Paste(form::Text41, target);
  ASSERT_EQ(Text(form::Text2).size(), stamina.size());
  ASSERT_EQ(Text(form::Text41).size(), target.size());

  Click(form::Command1);
  Click(form::Command2);
  EXPECT_EQ(Text(form::Text14), u"2.5"_qs);
  EXPECT_EQ(Text(form::Text42), u"100"_qs);
  EXPECT_EQ(Text(form::Text2), stamina);
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
    Put(form::Text2, c.typed);
    Click(form::Command1);
    EXPECT_EQ(Text(form::Text14), c.stamina_growth);
    EXPECT_EQ(Text(form::Text2), c.typed);
  }
  EXPECT_THAT(script_.Dialogs(), ElementsAre());
}

}  // namespace
}  // namespace petcalc::testing

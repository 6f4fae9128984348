// The sheet's saved form: read back as the same sheet, and nothing else read at all.
#include "calc/saved_sheet.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "calc/calculator.h"
#include "calc/click_actions.h"
#include "tests/support/boxes.h"
#include "tests/support/scripted_runtime.h"
#include "tests/support/typical_pet.h"

namespace petcalc {
namespace {

using testing::kStatBoxes;
using testing::kTypicalStats;
using testing::ScriptedRuntime;

// The saved form as the tests change it: ASCII, one byte a unit.
std::string Narrow(std::u16string_view saved) { return {saved.begin(), saved.end()}; }
std::u16string Wide(std::string_view saved) { return {saved.begin(), saved.end()}; }

// An independent FNV-1a, to sign a saved form the tests have changed.
std::string Signed(const std::string& body) {
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  for (const char c : body) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
  char check[17];
  std::snprintf(check, sizeof check, "%016llx", static_cast<unsigned long long>(hash));
  return body + "," + check;
}

std::string Body(const std::string& saved) { return saved.substr(0, saved.rfind(',')); }

// The saved form with its field `index` (the version is field 0) replaced, signed anew.
std::string WithField(const std::string& saved, std::size_t index, const std::string& field) {
  std::string body = Body(saved);
  std::size_t start = 0;
  for (std::size_t i = 0; i < index; ++i) start = body.find(',', start) + 1;
  const std::size_t end = body.find(',', start);
  return Signed(body.replace(start, end == std::string::npos ? end : end - start, field));
}

StatSheet TypicalSheet() {
  ScriptedRuntime form;
  for (std::size_t i = 0; i + 1 < kStatBoxes.size(); ++i)
    form.Type(kStatBoxes[i], kTypicalStats[i]);
  form.Type(form::Text41, u"21");
  form.QueueAnswer(std::u16string(u"30\0x\xD800汉", 6));  // a NUL, a lone surrogate
  StatSheet sheet;
  Command1Click(form, sheet);
  Command2Click(form, sheet);
  return sheet;
}

TEST(SavedSheet, ReadsBackAsTheSameSheetAnswersIncluded) {
  const StatSheet sheet = TypicalSheet();
  const std::u16string saved = SavedSheet(sheet);
  const std::unique_ptr<StatSheet> read = ReadSavedSheet(saved);
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(SavedSheet(*read), saved);
  EXPECT_EQ(read->b6, 30);
  EXPECT_EQ(read->l, sheet.l);
  EXPECT_EQ(read->l.size(), 6u);
  EXPECT_EQ(read->totalGrowth.units(), 100000);
  EXPECT_EQ(read->predInspiration, 50);
}

TEST(SavedSheet, RandomSheetsReadBackAsThemselves) {
  std::mt19937_64 random(20261208);
  std::uniform_int_distribution<std::int32_t> whole(-2147483647 - 1, 2147483647);
  std::uniform_int_distribution<std::int64_t> growth(-21474836480000, 21474836480000);
  for (int round = 0; round < 200; ++round) {
    StatSheet sheet;
    for (std::int32_t* field :
         {&sheet.a1, &sheet.a4, &sheet.b2, &sheet.b6, &sheet.targetLevel, &sheet.predAgility}) {
      *field = whole(random);
    }
    sheet.levelGain = CurrencyFromInt32(whole(random));
    sheet.growthDefence = Currency::FromUnits(growth(random));
    sheet.totalGrowth = Currency::FromUnits(3 * growth(random));
    sheet.e =
        std::u16string(static_cast<std::size_t>(round % 7), static_cast<char16_t>(round * 331));
    const std::u16string saved = SavedSheet(sheet);
    const std::unique_ptr<StatSheet> read = ReadSavedSheet(saved);
    ASSERT_NE(read, nullptr) << Narrow(saved);
    EXPECT_EQ(SavedSheet(*read), saved);
  }
}

TEST(SavedSheet, RefusesWhatItDidNotWrite) {
  const std::string saved = Narrow(SavedSheet(TypicalSheet()));
  // Fields: 0 version, 1..12 stats, 13 target, 14..18 predictions, 19 levelGain, 20..24
  // growths, 25, 26 sums, 27..38 answers.
  const struct {
    const char* why;
    std::string saved;
  } cases[] = {
      {"empty", ""},
      {"no check", Body(saved)},
      {"a wrong check", Body(saved) + ",0000000000000000"},
      {"a changed byte",
       [&] {
         std::string changed = saved;
         changed[10] = changed[10] == '1' ? '2' : '1';
         return changed;
       }()},
      {"another version", WithField(saved, 0, "sheet2")},
      {"a field missing", Signed(Body(saved).substr(0, Body(saved).rfind(',')))},
      {"a field too many", Signed(Body(saved) + ",")},
      {"a leading zero", WithField(saved, 1, "01")},
      {"a plus sign", WithField(saved, 2, "+50")},
      {"minus zero", WithField(saved, 3, "-0")},
      {"an empty number", WithField(saved, 4, "")},
      {"a stat beyond 32 bits", WithField(saved, 5, "2147483648")},
      {"a level gain not whole", WithField(saved, 19, "100001")},
      {"a growth beyond any click's", WithField(saved, 20, "21474836480001")},
      {"a sum beyond its growths'", WithField(saved, 26, "-85899345920001")},
      {"a number with spaces", WithField(saved, 13, " 21")},
      {"an answer cut short", WithField(saved, 38, "003")},
      {"an answer in capitals", WithField(saved, 38, "D800")},
      {"not hexadecimal", WithField(saved, 38, "00g0")},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadSavedSheet(Wide(c.saved)), nullptr) << c.why;
  EXPECT_NE(ReadSavedSheet(Wide(WithField(saved, 38, ""))), nullptr) << "an empty answer";
}

// The window's calculator restored from its saved form refuses the next growth as it would have,
// its sums written from the growth values it held.
TEST(Calculator, RestoredFromItsSavedFormGoesOnAsBefore) {
  ScriptedRuntime form;
  for (std::size_t i = 0; i < kStatBoxes.size(); ++i) form.Type(kStatBoxes[i], kTypicalStats[i]);
  Calculator before(form);
  before.Click(form::Command1);

  Calculator after(form);
  EXPECT_TRUE(after.Restore(before.Saved()));
  EXPECT_EQ(after.Saved(), before.Saved());
  form.Type(form::Text7, u"1");
  form.Type(form::Text25, u"");
  form.Type(form::Text26, u"");
  after.Click(form::Command1);
  EXPECT_EQ(form.Dialogs(), std::vector<std::string>{"MsgBox 对不起无法计算 | Tenvo友情提示"});
  EXPECT_EQ(form.Box(form::Text25), u"8");
  EXPECT_EQ(form.Box(form::Text26), u"10");

  EXPECT_FALSE(after.Restore(u"sheet1,damaged"));
  form.ClearLog();
  after.Click(form::Command1);
  EXPECT_EQ(form.Box(form::Text25), u"0") << "a refused form leaves a fresh sheet";
}

}  // namespace
}  // namespace petcalc

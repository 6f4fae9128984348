#include "calc/compute_growth.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "calc/click_actions.h"
#include "calc/stat_sheet.h"
#include "runtime/utf8.h"
#include "tests/support/boxes.h"
#include "tests/support/scripted_runtime.h"

namespace petcalc {
namespace {

using petcalc::ToUtf8;
using petcalc::testing::kGrowthBoxes;
using petcalc::testing::kOverflowEntry;
using petcalc::testing::ScriptedRuntime;
using petcalc::testing::TypeStats;
using ::testing::ElementsAre;

TEST(ComputeGrowth, ShowsEachStatsGrowthPerLevelToFourPlaces) {
  const struct {
    std::int64_t initial_level, current_level, initial, current;
    const char* shown;
  } cases[] = {
      {1, 11, 50, 75, "2.5"},
      {1, 11, 20, 50, "3"},
      {1, 11, 75, 50, "-2.5"},
      {1, 11, 5, 5, "0"},
      {1, 4, 0, 1, "0.3333"},
      {1, 4, 0, 2, "0.6667"},
      {1, 4, 0, 1000, "333.3333"},
      {1, 33, 0, 1, "0.0312"},  // 0.03125: a tie, to even
      {1, 33, 0, 3, "0.0938"},  // 0.09375: a tie, to even
      {1, 33, 0, -1, "-0.0312"},
      {1, 20001, 0, 1, "0"},       // 0.00005: a decimal tie, to even
      {1, 20001, 0, 5, "0.0002"},  // 0.00025: a decimal tie, to even
      {11, 1, 75, 50, "2.5"},      // current level below initial: no refusal
      {0, 1, 0, 2147483647, "2147483647"},
      {1, 0, 0, -2147483648, "2147483648"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.initial_level << "->" << c.current_level << ", "
                                      << c.initial << "->" << c.current);
    ScriptedRuntime form;
    const std::int64_t a = c.initial, b = c.current;
    TypeStats(form, {c.initial_level, a, a, a, a, a}, {c.current_level, b, b, b, b, b});
    StatSheet sheet;
    Command1Click(form, sheet);
    for (const form::TextBox box : kGrowthBoxes) {
      EXPECT_EQ(ToUtf8(form.Box(box)), c.shown) << box.name();
    }
    EXPECT_EQ(CurrencyToDouble(sheet.levelGain), double(c.current_level - c.initial_level));
  }
}

TEST(ComputeGrowth, WritesEachBoxAsItsValueIsStoredThenTheSums) {
  ScriptedRuntime form;
  TypeStats(form, {1, 0, 0, 0, 0, 0}, {7, 99, 18, 15, 2, 6});
  StatSheet sheet;
  Command1Click(form, sheet);
  EXPECT_THAT(form.Log(),
              ElementsAre("get Text1", "get Text2", "get Text3", "get Text4", "get Text5",
                          "get Text6", "get Text7", "get Text8", "get Text9", "get Text10",
                          "get Text11", "get Text12", "get Text1", "get Text7", "set Text14 = 16.5",
                          "set Text15 = 3", "set Text16 = 2.5", "set Text17 = 0.3333",
                          "set Text18 = 1", "set Text25 = 5.8333", "set Text26 = 6.8333"));
  EXPECT_EQ(sheet.threeStatGrowth.units(), 58'333);
  EXPECT_EQ(sheet.totalGrowth.units(), 68'333);
}

TEST(ComputeGrowth, RefusesEqualLevelsAndRewritesTheStoredSums) {
  ScriptedRuntime form;
  TypeStats(form, {1, 0, 0, 0, 0, 0}, {7, 99, 18, 15, 2, 6});
  StatSheet sheet;
  Command1Click(form, sheet);

  form.Type(form::Text1, u"5");
  form.Type(form::Text7, u"5.4");  // rounds to 5 as well
  form.ClearLog();
  Command1Click(form, sheet);
  EXPECT_THAT(form.Visible(), ElementsAre("MsgBox 对不起无法计算 | Tenvo友情提示",
                                          "set Text25 = 5.8333", "set Text26 = 6.8333"));
  EXPECT_EQ(form.Box(form::Text14), u"16.5");
  EXPECT_EQ(sheet.levelGain.units(), 60'000);
}

TEST(ComputeGrowth, RefusesOnAFreshSheetWithZeroSums) {
  ScriptedRuntime form;
  for (int n = 0; n < 12; ++n) form.QueueAnswer(u"");  // every prompt cancelled
  StatSheet sheet;
  Command1Click(form, sheet);
  const auto visible = form.Visible();
  ASSERT_EQ(visible.size(), 12u * 2 + 3);
  EXPECT_EQ(visible[1], "set Text1 = 0");
  EXPECT_THAT(
      std::vector(visible.end() - 3, visible.end()),
      ElementsAre("MsgBox 对不起无法计算 | Tenvo友情提示", "set Text25 = 0", "set Text26 = 0"));
}

TEST(ComputeGrowth, EvaluatesTheRefusalTestEvenWhenALevelBoxIsEmpty) {
  // Gathering fills Text1, so only a direct call can see it empty; the level subtraction still
  // runs and, here, overflows before any message.
  ScriptedRuntime form;
  form.Type(form::Text7, u"1");
  StatSheet sheet;
  sheet.a1 = -2147483647 - 1;
  sheet.b1 = 1;
  EXPECT_ANY_THROW(ComputeGrowth(form, sheet));
  EXPECT_THAT(form.Log(), ElementsAre("get Text1", "get Text7"));

  sheet.a1 = 1;
  form.ClearLog();
  ComputeGrowth(form, sheet);
  EXPECT_THAT(form.Visible(), ElementsAre("MsgBox 对不起无法计算 | Tenvo友情提示", "set Text25 = 0",
                                          "set Text26 = 0"));
}

TEST(ComputeGrowth, LevelOverflowEndsTheClickBeforeAnyMessageOrWrite) {
  ScriptedRuntime form;
  TypeStats(form, {-2147483648, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0});
  StatSheet sheet;
  Command1Click(form, sheet);
  EXPECT_THAT(form.Visible(), ElementsAre(kOverflowEntry));
  EXPECT_EQ(sheet.levelGain.units(), 0);
}

TEST(ComputeGrowth, AnErrorMidWayKeepsTheEarlierStoresAndWrites) {
  ScriptedRuntime form;
  TypeStats(form, {1, 50, -2147483648, 0, 0, 0}, {11, 75, 1, 0, 0, 0});
  StatSheet sheet;
  sheet.growthAttack = Currency::FromUnits(123);
  Command1Click(form, sheet);
  EXPECT_THAT(form.Visible(), ElementsAre("set Text14 = 2.5", kOverflowEntry));
  EXPECT_EQ(sheet.levelGain.units(), 100'000);
  EXPECT_EQ(sheet.growthStamina.units(), 25'000);
  EXPECT_EQ(sheet.growthAttack.units(), 123);
  EXPECT_EQ(sheet.threeStatGrowth.units(), 0);

  // The window stays usable: the corrected stat computes normally.
  form.Type(form::Text3, u"20");
  form.Type(form::Text9, u"50");
  form.ClearLog();
  Command1Click(form, sheet);
  EXPECT_EQ(form.Box(form::Text15), u"3");
  EXPECT_EQ(form.Box(form::Text25), u"3");
  EXPECT_EQ(form.Visible().size(), 7u);
}

}  // namespace
}  // namespace petcalc

#include "calc/predict_stats.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "calc/click_actions.h"
#include "calc/stat_sheet.h"
#include "runtime/utf8.h"
#include "tests/support/boxes.h"
#include "tests/support/scripted_runtime.h"

namespace petcalc {
namespace {

using petcalc::ToUtf8;
using petcalc::testing::kOverflowEntry;
using petcalc::testing::kPredictionBoxes;
using petcalc::testing::ScriptedRuntime;
using petcalc::testing::TypeStats;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

std::vector<std::string> Shown(const ScriptedRuntime& form) {
  std::vector<std::string> shown;
  shown.reserve(kPredictionBoxes.size());
  for (const form::TextBox box : kPredictionBoxes) shown.push_back(ToUtf8(form.Box(box)));
  return shown;
}

TEST(PredictStats, ExtrapolatesFromTheInitialLevelRoundingTiesToEven) {
  const struct {
    std::vector<std::int64_t> initial, current;
    const char16_t* target;
    std::vector<std::string> shown;
  } cases[] = {
      {{1, 50, 0, 0, 0, 0}, {11, 75, 0, 0, 0, 0}, u"21", {"100", "0", "0", "0", "0"}},
      // 186.7, 79.3, 65.6, 63.5 and 34.5: one tie goes up, one down.
      {{1, 120, 30, 25, 20, 20}, {11, 143, 47, 39, 35, 25}, u"30", {"187", "79", "66", "64", "34"}},
      {{1, 120, 30, 25, 20, 20}, {11, 143, 47, 39, 35, 25}, u"-9", {"97", "13", "11", "5", "15"}},
      {{1, 0, 7, 7, 7, 7}, {5, 2, 7, 7, 7, 7}, u"-4", {"-2", "7", "7", "7", "7"}},  // -2.5
      {{20, 100, 0, 0, 0, 0}, {10, 80, 0, 0, 0, 0}, u"30", {"120", "0", "0", "0", "0"}},
      // Only the zero-length text is empty: letters read as level 0.
      {{1, 50, 0, 0, 0, 0}, {11, 75, 0, 0, 0, 0}, u"abc", {"48", "0", "0", "0", "0"}},
      {{1, 50, 0, 0, 0, 0}, {11, 75, 0, 0, 0, 0}, u"20.5kg", {"98", "0", "0", "0", "0"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.target));
    ScriptedRuntime form;
    TypeStats(form, c.initial, c.current);
    form.Type(form::Text41, c.target);
    StatSheet sheet;
    Command2Click(form, sheet);
    EXPECT_EQ(Shown(form), c.shown);
    EXPECT_EQ(form.Box(form::Text41), c.target);  // never written back
  }
}

TEST(PredictStats, WritesAllFiveOnlyAfterComputingThem) {
  ScriptedRuntime form;
  TypeStats(form, {1, 120, 30, 25, 20, 20}, {11, 143, 47, 39, 35, 25});
  form.Type(form::Text41, u"30");
  StatSheet sheet;
  Command2Click(form, sheet);
  EXPECT_THAT(form.Visible(), ElementsAre("set Text42 = 187", "set Text43 = 79", "set Text44 = 66",
                                          "set Text45 = 64", "set Text46 = 34"));
  // The target is read once, right after the twelve stats and before any write.
  const auto& log = form.Log();
  const std::string target_read[] = {"get Text12", "get Text41", "set Text42 = 187"};
  EXPECT_NE(std::search(log.begin(), log.end(), std::begin(target_read), std::end(target_read)),
            log.end());
  EXPECT_EQ(std::count(log.begin(), log.end(), "get Text41"), 1);
  EXPECT_EQ(sheet.targetLevel, 30);
  EXPECT_EQ(sheet.predInspiration, 34);
  EXPECT_EQ(sheet.growthStamina.units(), 0);  // the prediction leaves the growth values alone
}

TEST(PredictStats, RefusesAnEmptyTargetOnlyAfterTheStatPrompts) {
  ScriptedRuntime form;
  TypeStats(form, {1, 50, 0, 0, 0, 0}, {11, 75, 0, 0, 0});
  form.QueueAnswer(u"9");
  StatSheet sheet;
  sheet.targetLevel = 5;
  Command2Click(form, sheet);
  EXPECT_THAT(form.Visible(),
              ElementsAre("InputBox 请在输入当前灵感 | Tenvo友情提示", "set Text12 = 9",
                          "MsgBox 开什么玩笑 仔细检查预测等级 | Tenvo友情提示"));
  EXPECT_EQ(sheet.targetLevel, 5);
}

TEST(PredictStats, RefusesAZeroSpanKeepingTheBoxes) {
  const struct {
    std::int64_t initial_level, current_level;
    const char16_t* target;
  } cases[] = {{1, 11, u"1"}, {1, 1, u"21"}, {4, 4, u"4"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.target));
    ScriptedRuntime form;
    TypeStats(form, {c.initial_level, 1, 1, 1, 1, 1}, {c.current_level, 2, 2, 2, 2, 2});
    form.Type(form::Text41, c.target);
    for (const form::TextBox box : kPredictionBoxes) form.Type(box, u"old");
    StatSheet sheet;
    Command2Click(form, sheet);
    EXPECT_THAT(form.Visible(), ElementsAre("MsgBox 对不起无法预测 | Tenvo友情提示"));
    EXPECT_THAT(Shown(form), ::testing::Each("old"));
    EXPECT_EQ(sheet.predStamina, 0);
  }
}

TEST(PredictStats, SpanOverflowIsRaisedEvenWhenTheOtherSpanIsZero) {
  ScriptedRuntime form;
  TypeStats(form, {-2, 0, 0, 0, 0, 0}, {-2, 0, 0, 0, 0, 0});
  form.Type(form::Text41, u"2147483647");
  StatSheet sheet;
  Command2Click(form, sheet);
  EXPECT_THAT(form.Visible(), ElementsAre(kOverflowEntry));
  EXPECT_EQ(sheet.targetLevel, 2147483647);
}

TEST(PredictStats, ErrorsLeaveAllBoxesButKeepEarlierResults) {
  const struct {
    const char* why;
    std::vector<std::int64_t> initial, current;
    const char16_t* target;
  } cases[] = {
      // Attack: 100,000 × 30,000 overflows as a product, though ÷ 10 it would fit.
      {"product", {1, 50, 0, 0, 0, 0}, {11, 75, 100000, 0, 0, 0}, u"30001"},
      // Attack: 100,000,000 × 3 fits, but + 2,000,000,000 does not.
      {"rounding step", {1, 50, 2000000000, 0, 0, 0}, {2, 75, 2100000000, 0, 0, 0}, u"4"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    ScriptedRuntime form;
    TypeStats(form, c.initial, c.current);
    form.Type(form::Text41, c.target);
    for (const form::TextBox box : kPredictionBoxes) form.Type(box, u"old");
    StatSheet sheet;
    sheet.predAttack = -7;
    Command2Click(form, sheet);
    EXPECT_THAT(form.Visible(), ElementsAre(kOverflowEntry));
    EXPECT_THAT(Shown(form), ::testing::Each("old"));
    EXPECT_NE(sheet.predStamina, 0);  // computed before the failing stat
    EXPECT_EQ(sheet.predAttack, -7);
  }
}

TEST(PredictStats, TargetOverflowKeepsTheOldTargetLevel) {
  ScriptedRuntime form;
  TypeStats(form, {1, 50, 0, 0, 0, 0}, {11, 75, 0, 0, 0, 0});
  form.Type(form::Text41, u"3e9");
  StatSheet sheet;
  sheet.targetLevel = 21;
  Command2Click(form, sheet);
  EXPECT_THAT(form.Visible(), ElementsAre(kOverflowEntry));
  EXPECT_EQ(sheet.targetLevel, 21);

  form.Type(form::Text41, u"21");
  Command2Click(form, sheet);
  EXPECT_EQ(form.Box(form::Text42), u"100");
}

}  // namespace
}  // namespace petcalc

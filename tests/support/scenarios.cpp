#include "tests/support/scenarios.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "runtime/utf8.h"
#include "tests/support/boxes.h"
#include "tests/support/typical_pet.h"

namespace petcalc::testing {
namespace {

using Row = StatRow;

constexpr Row kEmptyRow = {};
constexpr Row kTypicalPredictionRow = {kTypicalTarget,         kTypicalPredictions[0],
                                       kTypicalPredictions[1], kTypicalPredictions[2],
                                       kTypicalPredictions[3], kTypicalPredictions[4]};

BoxTexts Boxes(const Row& initial, const Row& current, const Row& growth, const Row& prediction,
               std::u16string_view three_stat_sum, std::u16string_view total_sum) {
  BoxTexts boxes{};
  auto out = boxes.begin();
  for (const Row* row : {&initial, &current, &growth, &prediction}) {
    out = std::copy(row->begin(), row->end(), out);
  }
  *out++ = three_stat_sum;
  *out = total_sum;
  return boxes;
}

Row RowOf(const Stats& stats, std::size_t first) {
  Row row{};
  std::copy_n(stats.begin() + static_cast<std::ptrdiff_t>(first), 6, row.begin());
  return row;
}

constexpr std::u16string_view kCannotCalculate = u"对不起无法计算";

std::vector<Scenario> MakeScenarios() {
  const BoxTexts typical_growth = Boxes(kTypicalInitial, kTypicalCurrent, kTypicalGrowth, kEmptyRow,
                                        kTypicalThreeStatSum, kTypicalTotalSum);
  const Stats no_inspiration = With(kTypicalStats, form::Text12, u"");

  std::vector<Dialog> all_prompts;
  for (std::size_t i = 0; i < 12; ++i) {
    all_prompts.push_back(Prompt(kPrompts[i], Typed(kTypicalStats[i])));
  }

  const Stats lenient = {u"1",  u"5 0", u"12abc", u"&H10", u"１０", u" 10 ",
                         u"11", u"75",  u"50",    u"60",   u"30",   u"30"};
  const Stats limits = {u"0", u"0",          u"0", u"0", u"0", u"0",
                        u"1", u"2147483647", u"0", u"0", u"0", u""};
  const Stats limits_typed = With(limits, form::Text12, u"2147483647");
  const Stats descending = With(With(With(limits_typed, form::Text1, u"1"), form::Text7, u"0"),
                                form::Text8, u"-2147483648");
  const Stats text3_overflows = With(kTypicalStats, form::Text3, u"3000000000");
  const Stats equal_levels = With(With(kTypicalStats, form::Text1, u"5"), form::Text7, u"5.4");
  const Stats empty_agility_and_inspiration = With(no_inspiration, form::Text5, u"");
  const Stats zeroed = With(With(kTypicalStats, form::Text5, u"0"), form::Text12, u"0");
  const Stats lowered = With(kTypicalStats, form::Text7, u"1");

  return {
      {"TypicalRequestThenPrediction",
       {{TypeStats(no_inspiration),
         form::Command1,
         {Prompt(kPrompts[11], Typed(u"30"))},
         typical_growth},
        {{{form::Text41, kTypicalTarget}},
         form::Command2,
         {},
         Boxes(kTypicalInitial, kTypicalCurrent, kTypicalGrowth, kTypicalPredictionRow,
               kTypicalThreeStatSum, kTypicalTotalSum)}}},
      {"EveryBoxEmptyPromptsForAllTwelve", {{{}, form::Command1, all_prompts, typical_growth}}},
      {"AnEmptyAndACancelledAnswerCountAsZero",
       {{TypeStats(empty_agility_and_inspiration),
         form::Command1,
         {Prompt(kPrompts[4], Empty()), Prompt(kPrompts[11], Cancelled(u"99"))},
         Boxes(RowOf(zeroed, 0), RowOf(zeroed, 6), {u"", u"2.5", u"3", u"3", u"3", u"-1"},
               kEmptyRow, u"9", u"8")}}},
      {"GrowthRefusedOnAFreshWindowShowsZeroSums",
       {{TypeStats(equal_levels),
         form::Command1,
         {Message(kCannotCalculate)},
         Boxes(RowOf(equal_levels, 0), RowOf(equal_levels, 6), kEmptyRow, kEmptyRow, u"0", u"0")}}},
      {"GrowthRefusedAfterACalculationShowsItsSumsAgain",
       {{TypeStats(kTypicalStats), form::Command1, {}, typical_growth},
        {{{form::Text7, u"1"}},
         form::Command1,
         {Message(kCannotCalculate)},
         Boxes(kTypicalInitial, RowOf(lowered, 6), kTypicalGrowth, kEmptyRow, kTypicalThreeStatSum,
               kTypicalTotalSum)}}},
      {"PredictionRefusedWithoutATarget",
       {{TypeStats(kTypicalStats),
         form::Command2,
         {Message(u"开什么玩笑 仔细检查预测等级")},
         Boxes(kTypicalInitial, kTypicalCurrent, kEmptyRow, kEmptyRow, u"", u"")}}},
      {"PredictionRefusedForATargetAtTheInitialLevel",
       {{{{form::Text41, u"1"}},
         form::Command2,
         // The empty stat boxes are asked for first.
         [&] {
           std::vector<Dialog> dialogs = all_prompts;
           dialogs.push_back(Message(u"对不起无法预测"));
           return dialogs;
         }(),
         Boxes(kTypicalInitial, kTypicalCurrent, kEmptyRow, {u"1", u"", u"", u"", u"", u""}, u"",
               u"")}}},
      {"OverflowInABoxThenTheWindowWorks",
       {{TypeStats(text3_overflows),
         form::Command1,
         {Error(kOverflowText)},
         Boxes(RowOf(text3_overflows, 0), kTypicalCurrent, kEmptyRow, kEmptyRow, u"", u"")},
        {{{form::Text3, u"20"}}, form::Command1, {}, typical_growth}}},
      {"OverflowInAnAnswerLeavesItsBoxEmpty",
       {{TypeStats(no_inspiration),
         form::Command1,
         {Prompt(kPrompts[11], Typed(u"2147483648")), Error(kOverflowText)},
         Boxes(kTypicalInitial, RowOf(no_inspiration, 6), kEmptyRow, kEmptyRow, u"", u"")}}},
      {"ThirtyTwoBitLimitsPassThrough",
       {{TypeStats(limits),
         form::Command1,
         {Prompt(kPrompts[11], Typed(u"2147483647"))},
         Boxes(RowOf(limits_typed, 0), RowOf(limits_typed, 6),
               {u"", u"2147483647", u"0", u"0", u"0", u"2147483647"}, kEmptyRow, u"0",
               u"2147483647")},
        {{{form::Text1, u"1"}, {form::Text7, u"0"}, {form::Text8, u"-2147483648"}},
         form::Command1,
         {},
         Boxes(RowOf(descending, 0), RowOf(descending, 6),
               {u"", u"2147483648", u"0", u"0", u"0", u"-2147483647"}, kEmptyRow, u"0",
               u"-2147483647")}}},
      {"LenientBoxTextsAreReadAndKeptAsTyped",
       {{TypeStats(lenient),
         form::Command1,
         {},
         Boxes(RowOf(lenient, 0), RowOf(lenient, 6), {u"", u"2.5", u"3.8", u"4.4", u"2", u"2"},
               kEmptyRow, u"10.2", u"12.2")}}},
  };
}

}  // namespace

std::vector<Typing> TypeStats(const Stats& stats) {
  std::vector<Typing> typed;
  for (std::size_t i = 0; i < stats.size(); ++i) {
    if (!stats[i].empty()) typed.push_back({kStatBoxes[i], stats[i]});
  }
  return typed;
}

Stats With(Stats stats, form::TextBox box, std::u16string_view text) {
  for (std::size_t i = 0; i < kStatBoxes.size(); ++i) {
    if (kStatBoxes[i] == box) stats[i] = text;
  }
  return stats;
}

Answer Typed(std::u16string_view text) { return {Answer::Way::kTyped, text}; }
Answer Empty() { return {Answer::Way::kEmpty, u""}; }
Answer Cancelled(std::u16string_view typed_first) { return {Answer::Way::kCancelled, typed_first}; }
Answer Escaped(std::u16string_view typed_first) { return {Answer::Way::kEscaped, typed_first}; }

Dialog Prompt(std::u16string_view prompt, Answer answer) {
  return {Dialog::Kind::kPrompt, prompt, answer};
}
Dialog Message(std::u16string_view text) { return {Dialog::Kind::kMessage, text}; }
Dialog Error(std::u16string_view text) { return {Dialog::Kind::kError, text}; }

const std::vector<Scenario>& SharedScenarios() {
  static const std::vector<Scenario> scenarios = MakeScenarios();
  return scenarios;
}

void Play(const Scenario& scenario, ScenarioPlayer& player) {
  int number = 0;
  for (const Step& step : scenario.steps) {
    SCOPED_TRACE(::testing::Message() << "step " << ++number);
    for (const Typing& typing : step.typed) player.Type(typing.box, typing.text);
    for (const Dialog& dialog : step.dialogs) player.Expect(dialog);
    player.Click(step.click);
    player.CheckDialogsShown();
    for (std::size_t i = 0; i < kAllBoxes.size(); ++i) {
      EXPECT_EQ(ToUtf8(player.Text(kAllBoxes[i])), ToUtf8(step.after[i])) << kAllBoxes[i].name();
    }
  }
}

}  // namespace petcalc::testing

#include "calc/gather_stat_sheet.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "calc/stat_sheet.h"
#include "core/calc_error.h"
#include "runtime/utf8.h"
#include "tests/support/boxes.h"
#include "tests/support/scripted_runtime.h"
#include "tests/support/typical_pet.h"

namespace petcalc {
namespace {

using petcalc::ToUtf8;
using petcalc::testing::kStatBoxes;
using petcalc::testing::kTypicalStats;
using petcalc::testing::ScriptedRuntime;
using ::testing::ElementsAre;

form::TextBox Box(int n) { return kStatBoxes[static_cast<std::size_t>(n - 1)]; }
std::string Name(int n) { return std::string(Box(n).name()); }

// Types a text into every stat box except the ones listed as empty.
void FillStatBoxesExcept(ScriptedRuntime& form, std::initializer_list<int> empty) {
  for (int n = 1; n <= 12; ++n) {
    if (std::find(empty.begin(), empty.end(), n) == empty.end()) form.Type(Box(n), u"10");
  }
}

TEST(GatherStatSheet, PromptsForEveryEmptyBoxInOrderAndWritesEachBackAtOnce) {
  ScriptedRuntime form;
  for (std::u16string_view answer : kTypicalStats) form.QueueAnswer(answer);
  StatSheet sheet;
  GatherStatSheet(form, sheet);

  const char* prompts[] = {"初始等级", "初始体力", "初始攻击", "初始防御", "初始敏捷", "初始灵感",
                           "当前等级", "当前体力", "当前攻击", "当前防御", "当前敏捷", "当前灵感"};
  std::vector<std::string> expected;
  for (int n = 1; n <= 12; ++n) {
    expected.push_back("get " + Name(n));
    expected.push_back(std::string("InputBox 请在输入") + prompts[n - 1] + " | Tenvo友情提示");
    expected.push_back("set " + Name(n) + " = " + ToUtf8(kTypicalStats[n - 1]));
  }
  EXPECT_EQ(form.Log(), expected);
  EXPECT_EQ(sheet.a1, 1);
  EXPECT_EQ(sheet.a6, 10);
  EXPECT_EQ(sheet.b1, 11);
  EXPECT_EQ(sheet.b6, 30);
  EXPECT_EQ(sheet.l, u"30");
}

TEST(GatherStatSheet, PromptsOnlyForTheEmptyBoxes) {
  ScriptedRuntime form;
  FillStatBoxesExcept(form, {5, 9});
  form.QueueAnswer(u"7");
  form.QueueAnswer(u"8");
  StatSheet sheet;
  GatherStatSheet(form, sheet);
  EXPECT_THAT(form.Visible(),
              ElementsAre("InputBox 请在输入初始敏捷 | Tenvo友情提示", "set Text5 = 7",
                          "InputBox 请在输入当前攻击 | Tenvo友情提示", "set Text9 = 8"));
  EXPECT_EQ(sheet.a5, 7);
  EXPECT_EQ(sheet.b3, 8);
  EXPECT_EQ(sheet.e, u"7");
  EXPECT_EQ(sheet.i, u"8");
  EXPECT_EQ(sheet.a, u"");  // untouched: no prompt for Text1
}

TEST(GatherStatSheet, ReadsTypedTextLenientlyAndLeavesItAsTyped) {
  const struct {
    std::u16string_view typed;
    std::int32_t value;
  } cases[] = {
      {u"15", 15}, {u"12abc", 12}, {u"2.5", 2},      {u"3.5", 4},    {u"abc", 0},
      {u" ", 0},   {u"1,234", 1},  {u"1 234", 1234}, {u"1e3", 1000}, {u" 7", 7},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.typed));
    ScriptedRuntime form;
    FillStatBoxesExcept(form, {});
    form.Type(form::Text4, c.typed);
    StatSheet sheet;
    GatherStatSheet(form, sheet);
    EXPECT_EQ(sheet.a4, c.value);
    EXPECT_EQ(form.Box(form::Text4), c.typed);
    EXPECT_THAT(form.Visible(), ElementsAre());
  }
}

TEST(GatherStatSheet, WritesBackTheRoundedAnswer) {
  const struct {
    std::u16string_view answer;
    std::int32_t value;
    std::u16string_view written;
  } cases[] = {
      {u"007", 7, u"7"},
      {u"2.5", 2, u"2"},
      {u"-3.7", -4, u"-4"},
      {u"12abc", 12, u"12"},
      {u"", 0, u"0"},  // a cancelled prompt counts as 0
      {u"2147483647", 2147483647, u"2147483647"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.answer));
    ScriptedRuntime form;
    FillStatBoxesExcept(form, {12});
    form.QueueAnswer(c.answer);
    StatSheet sheet;
    GatherStatSheet(form, sheet);
    EXPECT_EQ(sheet.b6, c.value);
    EXPECT_EQ(sheet.l, c.answer);
    EXPECT_EQ(form.Box(form::Text12), c.written);
  }
}

TEST(GatherStatSheet, StopsAtAnOverflowKeepingWhatWasDone) {
  ScriptedRuntime form;
  form.QueueAnswer(u"1");
  form.QueueAnswer(u"2");
  form.QueueAnswer(u"2147483648");
  StatSheet sheet;
  sheet.a3 = 99;
  EXPECT_THROW(GatherStatSheet(form, sheet), CalcError);
  EXPECT_EQ(sheet.a1, 1);
  EXPECT_EQ(sheet.a2, 2);
  EXPECT_EQ(sheet.a3, 99);
  EXPECT_EQ(sheet.c, u"2147483648");
  EXPECT_EQ(form.Box(form::Text2), u"2");
  EXPECT_EQ(form.Box(form::Text3), u"");
  EXPECT_EQ(form.Log().back(), "InputBox 请在输入初始攻击 | Tenvo友情提示");
}

TEST(GatherStatSheet, StopsAtATypedOverflowBeforeLaterBoxes) {
  ScriptedRuntime form;
  form.Type(form::Text1, u"3000000000");
  StatSheet sheet;
  EXPECT_THROW(GatherStatSheet(form, sheet), CalcError);
  EXPECT_THAT(form.Log(), ElementsAre("get Text1"));
}

TEST(GatherStatSheet, SecondGatheringFindsTheWrittenBackValues) {
  ScriptedRuntime form;
  for (int n = 1; n <= 12; ++n) form.QueueAnswer(n == 3 ? u"4.5" : u"");
  StatSheet sheet;
  GatherStatSheet(form, sheet);
  form.ClearLog();
  sheet.a3 = -1;
  GatherStatSheet(form, sheet);
  EXPECT_THAT(form.Visible(), ElementsAre());
  EXPECT_EQ(sheet.a3, 4);
}

}  // namespace
}  // namespace petcalc

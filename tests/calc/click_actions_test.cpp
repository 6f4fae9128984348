#include "calc/click_actions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "calc/error_text.h"
#include "core/calc_error.h"
#include "core/stat_sheet.h"
#include "tests/support/scripted_runtime.h"

namespace petcalc {
namespace {

using petcalc::testing::kOverflowEntry;
using petcalc::testing::kTypicalStats;
using petcalc::testing::ScriptedRuntime;
using ::testing::ElementsAre;

void TypeTypicalStats(ScriptedRuntime& form, int count) {
  for (int n = 1; n <= count; ++n) form.Type("Text" + std::to_string(n), kTypicalStats[n - 1]);
}

TEST(Clicks, TheTypicalRequestFromPromptToPrediction) {
  ScriptedRuntime form;
  TypeTypicalStats(form, 11);
  form.QueueAnswer(kTypicalStats[11]);
  StatSheet sheet;

  Command1Click(form, sheet);
  EXPECT_THAT(form.Visible(),
              ElementsAre("InputBox 请在输入当前灵感 | Tenvo友情提示", "set Text12 = 30",
                          "set Text14 = 2.5", "set Text15 = 3", "set Text16 = 3", "set Text17 = 2",
                          "set Text18 = 2", "set Text25 = 8", "set Text26 = 10"));
  EXPECT_EQ(sheet.b6, 30);
  EXPECT_EQ(sheet.l, u"30");

  form.ClearLog();
  form.Type("Text41", u"21");
  Command2Click(form, sheet);
  EXPECT_THAT(form.Visible(), ElementsAre("set Text42 = 100", "set Text43 = 80", "set Text44 = 90",
                                          "set Text45 = 50", "set Text46 = 50"));
  EXPECT_EQ(form.Box("Text13"), u"");
  EXPECT_EQ(form.PendingAnswers(), 0u);
}

TEST(Clicks, AGatheringErrorEndsTheClickAndTheNextClickWorks) {
  ScriptedRuntime form;
  form.QueueAnswer(u"1e10");
  StatSheet sheet;
  Command1Click(form, sheet);
  EXPECT_THAT(form.Visible(),
              ElementsAre("InputBox 请在输入初始等级 | Tenvo友情提示", kOverflowEntry));
  EXPECT_EQ(form.Box("Text1"), u"");

  form.ClearLog();
  for (std::u16string_view answer : kTypicalStats) form.QueueAnswer(answer);
  Command1Click(form, sheet);
  EXPECT_EQ(form.Box("Text26"), u"10");
  EXPECT_EQ(form.Visible().size(), 12u * 2 + 7);
}

TEST(Clicks, AWindowFailureKeepsTheBoxesWrittenBeforeIt) {
  ScriptedRuntime form;
  TypeTypicalStats(form, 12);
  form.FailOnWrite(3);
  StatSheet sheet;
  Command1Click(form, sheet);
  EXPECT_THAT(form.Visible(),
              ElementsAre("set Text14 = 2.5", "set Text15 = 3",
                          "error 程序内部错误:\n\nthe window failed to write Text16"));
  EXPECT_EQ(form.Box("Text15"), u"3");
  EXPECT_EQ(form.Box("Text16"), u"");

  form.ClearLog();
  Command1Click(form, sheet);
  EXPECT_EQ(form.Box("Text26"), u"10");
}

TEST(ErrorText, GivesTheNumberThenABlankLineThenTheDescription) {
  EXPECT_EQ(ErrorText(CalcError::Overflow()), u"运行时错误 '6':\n\n溢出");
  EXPECT_EQ(ErrorText(CalcError::DivisionByZero()), u"运行时错误 '11':\n\n除数为零");
  EXPECT_EQ(FailureText("bad\xE2\x80\x9Cname"), u"程序内部错误:\n\nbad???name");
}

}  // namespace
}  // namespace petcalc

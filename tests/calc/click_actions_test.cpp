#include "calc/click_actions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/stat_sheet.h"
#include "tests/support/scripted_runtime.h"

namespace petcalc {
namespace {

using petcalc::testing::ScriptedRuntime;
using ::testing::ElementsAre;

TEST(Clicks, TheTypicalRequestFromPromptToPrediction) {
  ScriptedRuntime form;
  const char16_t* typed[] = {u"1",  u"50", u"20", u"30", u"10", u"10",
                             u"11", u"75", u"50", u"60", u"30"};
  for (int n = 1; n <= 11; ++n) form.Type("Text" + std::to_string(n), typed[n - 1]);
  form.QueueAnswer(u"30");
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
              ElementsAre("InputBox 请在输入初始等级 | Tenvo友情提示", "error 6 溢出"));
  EXPECT_EQ(form.Box("Text1"), u"");

  form.ClearLog();
  for (const char16_t* answer :
       {u"1", u"50", u"20", u"30", u"10", u"10", u"11", u"75", u"50", u"60", u"30", u"30"}) {
    form.QueueAnswer(answer);
  }
  Command1Click(form, sheet);
  EXPECT_EQ(form.Box("Text26"), u"10");
  EXPECT_EQ(form.Visible().size(), 12u * 2 + 7);
}

}  // namespace
}  // namespace petcalc

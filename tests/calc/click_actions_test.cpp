#include "calc/click_actions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "calc/error_text.h"
#include "calc/stat_sheet.h"
#include "core/calc_error.h"
#include "tests/support/boxes.h"
#include "tests/support/scripted_runtime.h"
#include "tests/support/typical_pet.h"

namespace petcalc {
namespace {

using petcalc::testing::kStatBoxes;
using petcalc::testing::kTypicalStats;
using petcalc::testing::ScriptedRuntime;
using ::testing::ElementsAre;

void TypeTypicalStats(ScriptedRuntime& form) {
  for (std::size_t i = 0; i < kStatBoxes.size(); ++i) form.Type(kStatBoxes[i], kTypicalStats[i]);
}

TEST(Click, EachButtonRunsItsOwnCalculationAndNoOtherControlRunsAny) {
  ScriptedRuntime form;
  TypeTypicalStats(form);
  form.Type(form::Text41, u"21");
  StatSheet sheet;
  for (const form::Control other :
       {form::Control(form::Text1), form::Control(form::Image1), form::Control(form::Label1)}) {
    Click(other, form, sheet);
  }
  EXPECT_THAT(form.Log(), ElementsAre());
  Click(form::Command2, form, sheet);
  EXPECT_EQ(form.Box(form::Text42), u"100");
  EXPECT_EQ(form.Box(form::Text14), u"");
  Click(form::Command1, form, sheet);
  EXPECT_EQ(form.Box(form::Text14), u"2.5");
}

TEST(Clicks, AWindowFailureKeepsTheBoxesWrittenBeforeIt) {
  ScriptedRuntime form;
  TypeTypicalStats(form);
  form.FailOnWrite(3);
  StatSheet sheet;
  Command1Click(form, sheet);
  EXPECT_THAT(form.Visible(),
              ElementsAre("set Text14 = 2.5", "set Text15 = 3",
                          "error 程序内部错误:\n\nthe window failed to write Text16"));
  EXPECT_EQ(form.Box(form::Text15), u"3");
  EXPECT_EQ(form.Box(form::Text16), u"");

  form.ClearLog();
  Command1Click(form, sheet);
  EXPECT_EQ(form.Box(form::Text26), u"10");
}

TEST(ErrorText, GivesTheNumberThenABlankLineThenTheDescription) {
  EXPECT_EQ(ErrorText(CalcError::Overflow()), u"运行时错误 '6':\n\n溢出");
  EXPECT_EQ(ErrorText(CalcError::DivisionByZero()), u"运行时错误 '11':\n\n除数为零");
  EXPECT_EQ(FailureText("bad\xE2\x80\x9Cname"), u"程序内部错误:\n\nbad???name");
}

}  // namespace
}  // namespace petcalc

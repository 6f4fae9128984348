// The shared scenarios through the real Windows window: characters typed into its boxes, its
// buttons pressed, and its real dialogs answered from a timer as a player answers them.
#include "tests/support/scenarios.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/win32/dialog_answers.h"
#include "win32/wide_text.h"

namespace petcalc::win32::testing {
namespace {

using petcalc::testing::Dialog;
using petcalc::testing::Scenario;

class Win32Scenario : public Form1Test,
                      public petcalc::testing::ScenarioPlayer,
                      public ::testing::WithParamInterface<Scenario> {
 protected:
  void Type(form::TextBox box, std::u16string_view text) override { Form1Test::Type(box, text); }
  void Expect(const Dialog& dialog) override { ExpectDialog(answerer_, dialog); }
  void Click(form::Button button) override { Form1Test::Click(button); }
  void CheckDialogsShown() override { EXPECT_TRUE(answerer_.AllAnswered()); }
  std::u16string Text(form::TextBox box) override { return FromWide(Form1Test::Text(box)); }
};

TEST_P(Win32Scenario, ShowsWhatThePlayerSees) { petcalc::testing::Play(GetParam(), *this); }

INSTANTIATE_TEST_SUITE_P(Shared, Win32Scenario,
                         ::testing::ValuesIn(petcalc::testing::SharedScenarios()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace petcalc::win32::testing

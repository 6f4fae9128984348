// The shared scenarios through a window's calculator, its dialogs scripted.
#include "tests/support/scenarios.h"

#include <gtest/gtest.h>

#include "calc/calculator.h"
#include "calc/dialog_title.h"
#include "runtime/utf8.h"
#include "tests/support/scripted_runtime.h"

namespace petcalc::testing {
namespace {

std::string LogEntryOf(const Dialog& dialog) {
  const std::string title = " | " + ToUtf8(kDialogTitle);
  switch (dialog.kind) {
    case Dialog::Kind::kPrompt:
      return "InputBox " + ToUtf8(dialog.text) + title;
    case Dialog::Kind::kMessage:
      return "MsgBox " + ToUtf8(dialog.text) + title;
    case Dialog::Kind::kError:
      return "error " + ToUtf8(dialog.text);
  }
  return {};
}

class ScriptedPlayer : public ScenarioPlayer {
 public:
  void Type(form::TextBox box, std::u16string_view text) override { form_.Type(box, text); }
  void Expect(const Dialog& dialog) override {
    if (dialog.kind == Dialog::Kind::kPrompt) form_.QueueAnswer(dialog.answer.Given());
    expected_.push_back(LogEntryOf(dialog));
  }
  void Click(form::Button button) override {
    form_.ClearLog();
    calculator_.Click(button);
  }
  void CheckDialogsShown() override {
    EXPECT_EQ(form_.Dialogs(), expected_);
    EXPECT_EQ(form_.PendingAnswers(), 0u);
    expected_.clear();
  }
  std::u16string Text(form::TextBox box) override { return form_.Box(box); }

 private:
  ScriptedRuntime form_;
  Calculator calculator_{form_};
  std::vector<std::string> expected_;
};

class ScriptedScenario : public ::testing::TestWithParam<Scenario> {};

TEST_P(ScriptedScenario, ShowsWhatThePlayerSees) {
  ScriptedPlayer player;
  Play(GetParam(), player);
}

INSTANTIATE_TEST_SUITE_P(Shared, ScriptedScenario, ::testing::ValuesIn(SharedScenarios()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace petcalc::testing

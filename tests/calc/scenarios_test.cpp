// The shared scenarios through a window's calculator, its dialogs scripted, and what it tells
// its observer.
#include "tests/support/scenarios.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "calc/calculator.h"
#include "calc/dialog_title.h"
#include "calc/pet_results.h"
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

// A finished click is told exactly when its step shows neither a message nor an error, and what
// the book would compute from the stats it gathered is what the window shows.
class CheckingObserver : public ClickObserver {
 public:
  explicit CheckingObserver(const ScriptedRuntime& form) : form_(form) {}

  void Finished(const FinishedClick& click) noexcept override {
    ++finished_;
    if (click.kind == FinishedClick::Kind::kGrowth) {
      const std::optional<Growth> growth = GrowthOf(click.stats);
      if (!growth) {
        ADD_FAILURE() << "a finished growth the book cannot compute";
        return;
      }
      for (std::size_t i = 0; i < form::kGrownStatCount; ++i) {
        EXPECT_EQ(form_.Box(form::kGrownStats[i].growth), GrowthText(growth->per_level[i]));
      }
      EXPECT_EQ(form_.Box(form::Text25), GrowthText(growth->three_stat));
      EXPECT_EQ(form_.Box(form::Text26), GrowthText(growth->total));
    } else {
      const std::optional<Prediction> prediction = PredictionOf(click.stats, click.target_level);
      if (!prediction) {
        ADD_FAILURE() << "a finished prediction the book cannot compute";
        return;
      }
      for (std::size_t i = 0; i < form::kGrownStatCount; ++i) {
        EXPECT_EQ(form_.Box(form::kGrownStats[i].prediction), WholeText((*prediction)[i]));
      }
    }
  }

  int TakeFinished() { return std::exchange(finished_, 0); }

 private:
  const ScriptedRuntime& form_;
  int finished_ = 0;
};

class ScriptedPlayer : public ScenarioPlayer {
 public:
  void Type(form::TextBox box, std::u16string_view text) override { form_.Type(box, text); }
  void Expect(const Dialog& dialog) override {
    if (dialog.kind == Dialog::Kind::kPrompt) form_.QueueAnswer(dialog.answer.Given());
    expected_.push_back(LogEntryOf(dialog));
    ends_with_results_ = ends_with_results_ && dialog.kind == Dialog::Kind::kPrompt;
  }
  void Click(form::Button button) override {
    form_.ClearLog();
    calculator_.Click(button);
  }
  void CheckDialogsShown() override {
    EXPECT_EQ(form_.Dialogs(), expected_);
    EXPECT_EQ(form_.PendingAnswers(), 0u);
    EXPECT_EQ(observer_.TakeFinished(), ends_with_results_ ? 1 : 0) << "finished clicks told";
    expected_.clear();
    ends_with_results_ = true;
  }
  std::u16string Text(form::TextBox box) override { return form_.Box(box); }

 private:
  ScriptedRuntime form_;
  CheckingObserver observer_{form_};
  Calculator calculator_{form_, &observer_};
  std::vector<std::string> expected_;
  bool ends_with_results_ = true;
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

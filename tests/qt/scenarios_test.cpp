// The shared scenarios through the real Qt window: keys typed into its boxes, the mouse on its
// buttons, and its real dialogs answered as a player answers them.
#include "tests/support/scenarios.h"

#include <gtest/gtest.h>

#include "qt/qt_text.h"
#include "tests/qt/dialog_answers.h"
#include "tests/qt/qt_form_test.h"

namespace petcalc::testing {
namespace {

using qt::ToQString;

class QtScenario : public QtFormTest,
                   public ScenarioPlayer,
                   public ::testing::WithParamInterface<Scenario> {
 protected:
  void Type(form::TextBox box, std::u16string_view text) override {
    QtForm::Type(box, ToQString(text));
  }
  void Expect(const Dialog& dialog) override {
    answerer_.Expect([dialog](QWidget* modal) { AnswerDialog(modal, dialog); });
  }
  void Click(form::Button button) override { QtForm::Click(button); }
  void CheckDialogsShown() override { EXPECT_TRUE(answerer_.AllAnswered()); }
  std::u16string Text(form::TextBox box) override { return QtForm::Text(box).toStdU16String(); }
};

TEST_P(QtScenario, ShowsWhatThePlayerSees) {
  ASSERT_TRUE(ShowAndActivate());
  Play(GetParam(), *this);
}

INSTANTIATE_TEST_SUITE_P(Shared, QtScenario, ::testing::ValuesIn(SharedScenarios()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace petcalc::testing

// The shared scenarios through the real Windows window: characters typed into its boxes, its
// buttons pressed, and its real dialogs answered from a timer as a player answers them.
#include "tests/support/scenarios.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "calc/dialog_title.h"
#include "runtime/utf8.h"
#include "tests/win32/fixture.h"
#include "win32/wide_text.h"

namespace petcalc::win32::testing {
namespace {

using petcalc::testing::Answer;
using petcalc::testing::Dialog;
using petcalc::testing::Scenario;

// The prompt asks with its text under the dialog title, an empty field, 确定 and 取消.
void AnswerPrompt(HWND prompt, const Dialog& expected) {
  EXPECT_EQ(Utf8(WindowText(prompt)), petcalc::ToUtf8(kDialogTitle));
  EXPECT_EQ(Utf8(ChildTexts(prompt, L"Static")), petcalc::ToUtf8(expected.text));
  EXPECT_EQ(ChildTexts(prompt, L"Button"), L"确定|取消");
  EXPECT_EQ(ChildTexts(prompt, L"Edit"), L"");
  HWND field = FindWindowExW(prompt, nullptr, L"Edit", nullptr);
  for (const char16_t c : expected.answer.typed) SendMessageW(field, WM_CHAR, c, 1);
  switch (expected.answer.way) {
    case Answer::Way::kTyped:
      // The dialog's own loop reads the key, as it reads the keyboard's.
      PostMessageW(field, WM_KEYDOWN, VK_RETURN, 1);
      PostMessageW(field, WM_KEYUP, VK_RETURN, 0xC0000001);
      break;
    case Answer::Way::kEmpty:
      PressButton(prompt, L"确定");
      break;
    case Answer::Way::kCancelled:
      PressButton(prompt, L"取消");
      break;
  }
}

// A message or an error: its text, its title and icon, one 确定, which is pressed.
void CloseMessage(HWND message, const Dialog& expected) {
  const bool error = expected.kind == Dialog::Kind::kError;
  EXPECT_EQ(FromWide(WindowText(message)), error ? form::kForm1Title : kDialogTitle);
  // An error's icon is a static of its own, with no text, before the text.
  std::u16string texts = error ? u"|" : u"";
  texts += WithWindowsLineBreaks(expected.text);
  EXPECT_EQ(Utf8(ChildTexts(message, L"Static")), petcalc::ToUtf8(texts));
  HWND first_static = FindWindowExW(message, nullptr, L"Static", nullptr);
  EXPECT_EQ(SendMessageW(first_static, STM_GETICON, 0, 0) != 0, error);
  EXPECT_EQ(ChildTexts(message, L"Button"), L"确定");
  PressButton(message, L"确定");
}

class Win32Scenario : public Form1Test,
                      public petcalc::testing::ScenarioPlayer,
                      public ::testing::WithParamInterface<Scenario> {
 protected:
  void Type(form::TextBox box, std::u16string_view text) override { Form1Test::Type(box, text); }
  void Expect(const Dialog& dialog) override {
    answerer_.Expect([dialog](HWND modal) {
      if (dialog.kind == Dialog::Kind::kPrompt) {
        AnswerPrompt(modal, dialog);
      } else {
        CloseMessage(modal, dialog);
      }
    });
  }
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

// The keyboard table through the real Windows window under wine: key messages posted to whatever
// has the focus and read by the window's own loop, and its real dialogs answered from a timer.
#include "tests/support/keys.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/win32/dialog_answers.h"
#include "tests/win32/fixture.h"
#include "win32/wide_text.h"

namespace petcalc::win32::testing {
namespace {

using petcalc::testing::Dialog;
using petcalc::testing::Key;
using petcalc::testing::KeyCase;
using petcalc::testing::KeyStep;

WORD VirtualKey(Key key) {
  switch (key) {
    case Key::kTab:
      return VK_TAB;
    case Key::kReturn:
    case Key::kKeypadEnter:
      return VK_RETURN;
    case Key::kSpace:
      return VK_SPACE;
    case Key::kEscape:
      return VK_ESCAPE;
    case Key::kBackspace:
      return VK_BACK;
    case Key::kA:
      return 'A';
    case Key::kC:
      return 'C';
    case Key::kV:
      return 'V';
    case Key::kF2:
      return VK_F2;
  }
  return 0;
}

KeyPress PressOf(const KeyStep& step) {
  return {.key = VirtualKey(step.key),
          .ctrl = step.modifiers.ctrl,
          .shift = step.modifiers.shift,
          .alt = step.modifiers.alt,
          .repeat = step.held,
          .extended = step.key == Key::kKeypadEnter,
          .typed = step.text.empty() ? L'\0' : static_cast<wchar_t>(step.text.front())};
}

class Win32Keys : public Form1Test,
                  public petcalc::testing::KeyPlayer,
                  public ::testing::WithParamInterface<KeyCase> {
 protected:
  void Put(form::TextBox box, std::u16string_view text) override { Form1Test::Put(box, text); }
  void Expect(const Dialog& dialog) override { ExpectDialog(answerer_, dialog); }
  void Step(const KeyStep& step) override {
    switch (step.kind) {
      case KeyStep::Kind::kFocus:
        SetFocus(Control(step.control));
        break;
      case KeyStep::Kind::kPress:
        Press(GetFocus(), PressOf(step));
        break;
      case KeyStep::Kind::kType:
        for (const char16_t c : step.text) PostMessageW(GetFocus(), WM_CHAR, c, 1);
        Pump();
        break;
    }
  }
  void CheckDialogsShown() override { EXPECT_TRUE(answerer_.AllAnswered()); }
  std::optional<form::Control> Focused() override {
    for (const form::Control control : form::Control::All()) {
      if (Control(control) == GetFocus()) return control;
    }
    return std::nullopt;
  }
  std::u16string Text(form::TextBox box) override { return FromWide(Form1Test::Text(box)); }
  bool BookHasFocus() override {
    Pump();
    HWND active = GetActiveWindow();
    return active != nullptr && active != window().hwnd() && WindowText(active) == L"宠物记录";
  }
};

TEST_P(Win32Keys, DoWhatTheyMean) {
  petcalc::testing::PlayKeys(GetParam(), petcalc::testing::kWin32, *this);
}

INSTANTIATE_TEST_SUITE_P(Keyboard, Win32Keys,
                         ::testing::ValuesIn(petcalc::testing::KeyboardTable()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace petcalc::win32::testing

#include "tests/win32/dialog_answers.h"

#include "calc/dialog_title.h"
#include "runtime/utf8.h"
#include "win32/wide_text.h"

namespace petcalc::win32::testing {
namespace {

using petcalc::testing::Answer;
using petcalc::testing::Dialog;

// A key pressed and released on `field`, posted, so that the dialog's own loop reads it as it
// reads the keyboard's.
void PostKey(HWND field, WPARAM key) {
  PostMessageW(field, WM_KEYDOWN, key, 1);
  PostMessageW(field, WM_KEYUP, key, 0xC0000001);
}

HWND FieldOf(HWND prompt) { return FindWindowExW(prompt, nullptr, L"Edit", nullptr); }

// The prompt asks with its text under the dialog title, an empty field, 确定 and 取消.
void AnswerPrompt(HWND prompt, const Dialog& expected) {
  EXPECT_EQ(Utf8(WindowText(prompt)), petcalc::ToUtf8(kDialogTitle));
  EXPECT_EQ(Utf8(ChildTexts(prompt, L"Static")), petcalc::ToUtf8(expected.text));
  EXPECT_EQ(ChildTexts(prompt, L"Button"), L"确定|取消");
  EXPECT_EQ(ChildTexts(prompt, L"Edit"), L"");
  HWND field = FieldOf(prompt);
  for (const char16_t c : expected.answer.typed) SendMessageW(field, WM_CHAR, c, 1);
  switch (expected.answer.way) {
    case Answer::Way::kTyped:
      PostKey(field, VK_RETURN);
      break;
    case Answer::Way::kEmpty:
      PressButton(prompt, L"确定");
      break;
    case Answer::Way::kCancelled:
      PressButton(prompt, L"取消");
      break;
    case Answer::Way::kEscaped:
      PostKey(field, VK_ESCAPE);
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

}  // namespace

void ExpectDialog(DialogAnswerer& answerer, const Dialog& expected) {
  if (expected.kind != Dialog::Kind::kPrompt) {
    answerer.Expect([expected](HWND message) { CloseMessage(message, expected); });
    return;
  }
  if (expected.answer.held_enter_first) {
    // The Enter that opened the prompt, still held: a repeat, which must confirm nothing.
    answerer.Expect(
        [](HWND prompt) { PostMessageW(FieldOf(prompt), WM_KEYDOWN, VK_RETURN, 0x40000001); });
  }
  answerer.Expect([expected](HWND prompt) { AnswerPrompt(prompt, expected); });
}

}  // namespace petcalc::win32::testing

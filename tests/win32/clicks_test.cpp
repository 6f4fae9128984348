// The two buttons through the real Windows window and its real dialogs, answered from a timer.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/win32/fixture.h"

namespace petcalc::win32::testing {
namespace {

std::wstring Title(HWND dialog) {
  wchar_t title[64] = {};
  GetWindowTextW(dialog, title, 64);
  return title;
}

class ClicksTest : public Form1Test {
 protected:
  std::wstring Row(std::initializer_list<const char*> names) {
    std::wstring row;
    for (const char* name : names) row += Text(name) + L" ";
    return row;
  }
};

TEST_F(ClicksTest, TheTypicalRequestFromPromptToPrediction) {
  TypeTypicalStats(11);
  answerer_.Expect([](HWND prompt) {
    EXPECT_EQ(Title(prompt), L"Tenvo友情提示");
    EXPECT_EQ(ChildTexts(prompt, L"Static"), L"请在输入当前灵感");
    EXPECT_EQ(ChildTexts(prompt, L"Button"), L"确定|取消");
    EXPECT_EQ(ChildTexts(prompt, L"Edit"), L"");
    SetWindowTextW(FindWindowExW(prompt, nullptr, L"Edit", nullptr), L"30");
    PressButton(prompt, L"确定");
  });
  Click("Command1");
  EXPECT_EQ(Text("Text12"), L"30");
  EXPECT_EQ(Row({"Text14", "Text15", "Text16", "Text17", "Text18", "Text25", "Text26"}),
            L"2.5 3 3 2 2 8 10 ");

  Type("Text41", L"21");
  Click("Command2");
  EXPECT_EQ(Row({"Text42", "Text43", "Text44", "Text45", "Text46"}), L"100 80 90 50 50 ");
  EXPECT_EQ(Text("Text13"), L"");
  EXPECT_EQ(window().sheet().predStamina, 100);
}

TEST_F(ClicksTest, ACancelledPromptCountsAsZero) {
  TypeTypicalStats(11);
  answerer_.Expect([](HWND prompt) {
    SetWindowTextW(FindWindowExW(prompt, nullptr, L"Edit", nullptr), L"99");
    PressButton(prompt, L"取消");
  });
  Click("Command1");
  EXPECT_EQ(Text("Text12"), L"0");
  EXPECT_EQ(Text("Text18"), L"-1");  // Inspiration 10 → 0 over ten levels
}

TEST_F(ClicksTest, TheRefusalIsAPlainMessageWithOneButton) {
  TypeTypicalStats(11);
  Type("Text12", L"30");
  Type("Text7", L"1");
  answerer_.Expect([](HWND message) {
    EXPECT_EQ(Title(message), L"Tenvo友情提示");
    EXPECT_EQ(ChildTexts(message, L"Static"), L"对不起无法计算");
    EXPECT_EQ(ChildTexts(message, L"Button"), L"确定");
    PressButton(message, L"确定");
  });
  Click("Command1");
  EXPECT_EQ(Text("Text25"), L"0");
}

TEST_F(ClicksTest, AnOverflowShowsTheErrorAndTheWindowRunsOn) {
  TypeTypicalStats(11);
  Type("Text12", L"1e10");
  answerer_.Expect([](HWND error) {
    EXPECT_EQ(Title(error), L"Tenvo宠物成长计算器0.5");
    // The critical icon's static (no text), then the text.
    EXPECT_EQ(ChildTexts(error, L"Static"), L"|运行时错误 '6':\r\n\r\n溢出");
    HWND icon = FindWindowExW(error, nullptr, L"Static", nullptr);
    EXPECT_NE(SendMessageW(icon, STM_GETICON, 0, 0), 0);
    EXPECT_EQ(ChildTexts(error, L"Button"), L"确定");
    PressButton(error, L"确定");
  });
  Click("Command1");
  EXPECT_TRUE(IsWindowVisible(window().hwnd()));
  EXPECT_EQ(Text("Text14"), L"");

  Type("Text12", L"30");
  Click("Command1");
  EXPECT_EQ(Text("Text26"), L"10");
}

}  // namespace
}  // namespace petcalc::win32::testing

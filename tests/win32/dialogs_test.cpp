// The program's own dialogs where the eye is: centred on the window, inside the screen, named
// for screen readers, the error sign at the dialog's density, and a failure to show one
// reported rather than taken for an answer.
#include "win32/dialogs.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>

#include "tests/win32/fixture.h"

namespace petcalc::win32::testing {
namespace {

RECT WindowRect(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return rect;
}

RECT WorkArea(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
  return monitor.rcWork;
}

void ExpectCentredOn(HWND dialog, HWND owner) {
  const RECT inner = WindowRect(dialog);
  const RECT outer = WindowRect(owner);
  EXPECT_NEAR(inner.left + inner.right, outer.left + outer.right, 1);
  EXPECT_NEAR(inner.top + inner.bottom, outer.top + outer.bottom, 1);
}

void ExpectInside(HWND dialog, const RECT& area) {
  const RECT rect = WindowRect(dialog);
  EXPECT_GE(rect.left, area.left);
  EXPECT_GE(rect.top, area.top);
  EXPECT_LE(rect.right, area.right);
  EXPECT_LE(rect.bottom, area.bottom);
}

using DialogsTest = Form1Test;

TEST_F(DialogsTest, EachDialogOpensCentredOnTheWindow) {
  HWND owner = window().hwnd();
  SetWindowPos(owner, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  answerer_.Expect([owner](HWND prompt) {
    ExpectCentredOn(prompt, owner);
    PressButton(prompt, L"取消");
  });
  answerer_.Expect([owner](HWND message) {
    ExpectCentredOn(message, owner);
    PressButton(message, L"确定");
  });
  answerer_.Expect([owner](HWND error) {
    ExpectCentredOn(error, owner);
    PressButton(error, L"确定");
  });
  EXPECT_EQ(AskText(owner, u"请在输入当前灵感", u"Tenvo友情提示"), u"");
  ShowMessage(owner, u"对不起无法计算", u"Tenvo友情提示");
  ShowError(owner, u"运行时错误 '6':\n\n溢出", u"Tenvo宠物成长计算器0.5");
  EXPECT_TRUE(answerer_.AllAnswered());
}

TEST_F(DialogsTest, AWindowHalfOffTheScreenKeepsItsDialogOnIt) {
  HWND owner = window().hwnd();
  const RECT work = WorkArea(owner);
  SetWindowPos(owner, nullptr, work.left - 300, work.bottom - 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  answerer_.Expect([work](HWND prompt) {
    ExpectInside(prompt, work);
    PressButton(prompt, L"确定");
  });
  AskText(owner, u"请在输入初始等级", u"Tenvo友情提示");
  EXPECT_TRUE(answerer_.AllAnswered());
}

TEST_F(DialogsTest, ThePromptsFieldIsNamedByThePrompt) {
  answerer_.Expect([](HWND prompt) {
    HWND field = FindWindowExW(prompt, nullptr, L"Edit", nullptr);
    EXPECT_EQ(AccessibleName(field), L"请在输入当前防御");
    EXPECT_EQ(GetFocus(), field);
    PressButton(prompt, L"取消");
  });
  AskText(window().hwnd(), u"请在输入当前防御", u"Tenvo友情提示");
  EXPECT_TRUE(answerer_.AllAnswered());
}

TEST_F(DialogsTest, TheErrorSignIsDrawnForTheDialogsDensity) {
  answerer_.Expect([](HWND error) {
    HWND sign = FindWindowExW(error, nullptr, L"Static", nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(SendMessageW(sign, STM_GETICON, 0, 0)), &info));
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    const int expected = GetSystemMetricsForDpi(SM_CXICON, GetDpiForWindow(error));
    EXPECT_EQ(mask.bmWidth, expected);
    DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    PressButton(error, L"确定");
  });
  ShowError(window().hwnd(), u"运行时错误 '6':\n\n溢出", u"Tenvo宠物成长计算器0.5");
  EXPECT_TRUE(answerer_.AllAnswered());
}

TEST(Dialogs, APromptThatCannotBeShownIsAFailureNotAnEmptyAnswer) {
  HWND gone =
      CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  DestroyWindow(gone);
  EXPECT_THROW(AskText(gone, u"请在输入初始等级", u"Tenvo友情提示"), std::runtime_error);
  EXPECT_THROW(ShowMessage(gone, u"对不起无法计算", u"Tenvo友情提示"), std::runtime_error);
}

}  // namespace
}  // namespace petcalc::win32::testing

// The live Windows window against its description, at whatever density the test runs (CTest
// runs it at 96 and at 192 dpi), and its keyboard.
#include <gtest/gtest.h>
#include <windows.h>
#include <windowsx.h>

#include <string>

#include "form/layout.h"
#include "form/tab_order.h"
#include "tests/support/boxes.h"
#include "tests/support/utf8.h"
#include "tests/win32/fixture.h"
#include "win32/wide_text.h"

namespace petcalc::win32::testing {
namespace {

using form::ControlKind;
using form::ControlRow;
using petcalc::testing::ToUtf8;

std::string Utf8(const std::wstring& text) { return ToUtf8(FromWide(text)); }

std::wstring ClassName(HWND control) {
  wchar_t name[32] = {};
  GetClassNameW(control, name, 32);
  return CharLowerW(name);
}

RECT RectInParent(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowRect(HWND_DESKTOP, GetParent(control), &rect);
  return rect;
}

std::string Describe(RECT r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
         std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

std::string Expected(form::Control control, int dpi) {
  const form::PixelRect r = form::PixelsOf(control, dpi);
  return Describe({r.left, r.top, r.right(), r.bottom()});
}

LOGFONTW FontOf(HWND control) {
  LOGFONTW font{};
  GetObjectW(GetWindowFont(control), sizeof font, &font);
  return font;
}

// Every control of the table against the live window: class, place, caption, flags and font.
void ExpectEveryControlAsDescribed(Form1Window& window) {
  const int dpi = window.dpi();
  for (const form::Control each : form::Control::All()) {
    const ControlRow& row = each.description();
    SCOPED_TRACE(row.name);
    HWND control = window.control(each);
    ASSERT_NE(control, nullptr);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const RECT rect = RectInParent(control);
    if (row.auto_size) {
      EXPECT_EQ(rect.left, form::PixelsOf(each, dpi).left);
      EXPECT_EQ(rect.top, form::PixelsOf(each, dpi).top);
    } else {
      EXPECT_EQ(Describe(rect), Expected(each, dpi));
    }
    EXPECT_EQ(FromWide(WindowText(control)), row.caption);
    const bool tab_stop = (style & WS_TABSTOP) != 0;
    switch (row.kind) {
      case ControlKind::kLabel:
        EXPECT_EQ(ClassName(control), L"static");
        EXPECT_EQ(style & SS_TYPEMASK, SS_CENTER);
        EXPECT_FALSE(tab_stop);
        break;
      case ControlKind::kTextBox:
        EXPECT_EQ(ClassName(control), L"edit");
        EXPECT_EQ((style & ES_READONLY) != 0, row.read_only);
        EXPECT_TRUE(style & ES_CENTER);
        EXPECT_TRUE(style & ES_AUTOHSCROLL);
        EXPECT_FALSE(style & ES_MULTILINE);
        EXPECT_TRUE(tab_stop);
        EXPECT_GT(SendMessageW(control, EM_GETLIMITTEXT, 0, 0), 1'000'000);
        EXPECT_EQ(FontOf(control).lfHeight, -MulDiv(9, dpi, 72));
        break;
      case ControlKind::kPushButton:
        EXPECT_EQ(ClassName(control), L"button");
        EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON);  // never the default button
        EXPECT_TRUE(tab_stop);
        EXPECT_EQ(FontOf(control).lfHeight, -MulDiv(12, dpi, 72));
        EXPECT_EQ(FontOf(control).lfWeight, FW_BOLD);
        break;
      case ControlKind::kPicture:
        EXPECT_EQ(ClassName(control), L"static");
        EXPECT_EQ(style & SS_TYPEMASK, SS_OWNERDRAW);
        EXPECT_FALSE(tab_stop);
        break;
    }
  }
}

TEST_F(Form1Test, EveryControlIsAsDescribed) { ExpectEveryControlAsDescribed(window()); }

TEST_F(Form1Test, TheWindowAndItsBoxesAreWhereTheyShouldBe) {
  const int dpi = window().dpi();
  ASSERT_TRUE(dpi == 96 || dpi == 192) << dpi;
  const int scale = dpi / 96;
  RECT client;
  GetClientRect(window().hwnd(), &client);
  EXPECT_EQ(client.right, 409 * scale);
  EXPECT_EQ(client.bottom, 188 * scale);
  EXPECT_EQ(Utf8(WindowText(window().hwnd())), "Tenvo宠物成长计算器0.5");
  BITMAP logo{};
  GetObjectW(window().logo(), sizeof logo, &logo);
  EXPECT_EQ(logo.bmWidth, 113 * scale);
  EXPECT_EQ(logo.bmHeight, 57 * scale);
  // A Chinese caption in a face that keeps it on one line of the label's height.
  EXPECT_EQ(FontOf(Control(form::Label7)).lfCharSet, GB2312_CHARSET);
  EXPECT_LE(RectInParent(Control(form::Label7)).bottom - RectInParent(Control(form::Label7)).top,
            14 * scale);
}

TEST_F(Form1Test, AMoveToAScreenOfAnotherDensityRescalesAndRefonts) {
  const int other = window().dpi() == 96 ? 192 : 96;
  RECT suggested{0, 0, 900, 500};
  SendMessageW(window().hwnd(), WM_DPICHANGED, MAKEWPARAM(other, other),
               reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(window().dpi(), other);
  ExpectEveryControlAsDescribed(window());
  RECT client;
  GetClientRect(window().hwnd(), &client);
  EXPECT_EQ(client.right, 409 * other / 96);
  EXPECT_EQ(client.bottom, 188 * other / 96);
}

TEST_F(Form1Test, TabFollowsTheTableFromTheFirstButton) {
  EXPECT_EQ(GetFocus(), Control(form::Command1));
  std::string order;
  HWND control = Control(form::Command1);
  do {
    for (const form::Control each : form::Control::All()) {
      if (window().control(each) == control) order += std::string(each.name()) + " ";
    }
    control = GetNextDlgTabItem(window().hwnd(), control, FALSE);
  } while (control != Control(form::Command1) && control != nullptr);
  EXPECT_EQ(order, std::string(petcalc::testing::kExpectedTabOrder) + " ");
}

TEST_F(Form1Test, TabAndShiftTabMoveTheFocus) {
  SetFocus(Control(form::Text12));
  Press(Control(form::Text12), VK_TAB);
  EXPECT_EQ(GetFocus(), Control(form::Text41));
  Press(GetFocus(), VK_TAB);
  EXPECT_EQ(GetFocus(), Control(form::Command2));
  Press(GetFocus(), VK_TAB);
  EXPECT_EQ(GetFocus(), Control(form::Text13));
  Press(GetFocus(), VK_TAB, false, true);
  EXPECT_EQ(GetFocus(), Control(form::Command2));
}

TEST_F(Form1Test, EveryBoxSelectsAllAndCopies) {
  Put(form::Text14, u"2.5");
  Put(form::Text3, u"20");
  for (const form::TextBox name : {form::Text14, form::Text3}) {
    SCOPED_TRACE(name.name());
    SetFocus(Control(name));
    Edit_SetSel(Control(name), 0, 0);
    Press(Control(name), 'A', true);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(Control(name), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(end - start, static_cast<DWORD>(GetWindowTextLengthW(Control(name))));
    SendMessageW(Control(name), WM_COPY, 0, 0);
    ASSERT_TRUE(OpenClipboard(window().hwnd()));
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* copied = static_cast<const wchar_t*>(GlobalLock(data));
    EXPECT_EQ(std::wstring(copied != nullptr ? copied : L""), Text(name));
    GlobalUnlock(data);
    CloseClipboard();
  }
}

TEST_F(Form1Test, ReadOnlyBoxesRefuseTyping) {
  for (const form::TextBox name : {form::Text13, form::Text14, form::Text26}) {
    SCOPED_TRACE(name.name());
    SetFocus(Control(name));
    PostMessageW(Control(name), WM_CHAR, L'9', 1);
    Press(Control(name), VK_BACK);
    EXPECT_EQ(Text(name), L"");
  }
}

TEST_F(Form1Test, EnterInABoxStartsNothingButPressesAFocusedButton) {
  PutTypicalStats();
  SetFocus(Control(form::Text1));
  Press(Control(form::Text1), VK_RETURN);
  EXPECT_EQ(Text(form::Text26), L"");
  SetFocus(Control(form::Command1));
  Press(Control(form::Command1), VK_RETURN);
  EXPECT_EQ(Text(form::Text26), L"10");
  Put(form::Text26, u"");
  Press(Control(form::Command1), VK_SPACE);
  EXPECT_EQ(Text(form::Text26), L"10");
}

TEST_F(Form1Test, FollowsTheSystemColours) {
  HDC dc = CreateCompatibleDC(nullptr);
  const auto brush = [&](form::Control name) {
    return reinterpret_cast<HBRUSH>(SendMessageW(window().hwnd(), WM_CTLCOLORSTATIC,
                                                 reinterpret_cast<WPARAM>(dc),
                                                 reinterpret_cast<LPARAM>(Control(name))));
  };
  EXPECT_EQ(brush(form::Text14), GetSysColorBrush(COLOR_WINDOW));  // read-only boxes stay edit-white
  EXPECT_EQ(brush(form::Label1), GetSysColorBrush(COLOR_BTNFACE));
  DeleteDC(dc);
  EXPECT_EQ(reinterpret_cast<HBRUSH>(GetClassLongPtrW(window().hwnd(), GCLP_HBRBACKGROUND)),
            GetSysColorBrush(COLOR_BTNFACE));
}

TEST_F(Form1Test, ResizingMovesNothing) {
  std::string before;
  for (const form::Control each : form::Control::All())
    before += Describe(RectInParent(Control(each)));
  SetWindowPos(window().hwnd(), nullptr, 0, 0, 1000, 700, SWP_NOMOVE | SWP_NOZORDER);
  ShowWindow(window().hwnd(), SW_MAXIMIZE);
  Pump();
  std::string after;
  for (const form::Control each : form::Control::All())
    after += Describe(RectInParent(Control(each)));
  EXPECT_EQ(after, before);
}

}  // namespace
}  // namespace petcalc::win32::testing

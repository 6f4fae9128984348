// The live Windows window against its description, at whatever density the test runs (CTest
// runs it at 96 and at 192 dpi), and its keyboard.
#include <gtest/gtest.h>
#include <windows.h>
// clang-format off: oleacc.h after windows.h, which it builds on.
#include <oleacc.h>
// clang-format on
#include <windowsx.h>

#include <array>
#include <string>

#include "form/layout.h"
#include "form/tab_order.h"
#include "runtime/utf8.h"
#include "tests/support/boxes.h"
#include "tests/win32/fixture.h"
#include "win32/fonts.h"
#include "win32/logo.h"
#include "win32/wide_text.h"

namespace petcalc::win32::testing {
namespace {

using form::ControlKind;
using form::ControlRow;

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

// Every control of the table against the live window at `dpi`: class, place, caption, flags and
// font.
void ExpectEveryControlAsDescribed(HWND window, int dpi) {
  for (const form::Control each : form::Control::All()) {
    const ControlRow& row = each.description();
    SCOPED_TRACE(row.name);
    HWND control = ControlWindow(window, each);
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

// The window starts at the primary screen's density.
int StartingDpi() { return static_cast<int>(GetDpiForSystem()); }

TEST_F(Form1Test, EveryControlIsAsDescribed) {
  ExpectEveryControlAsDescribed(window().hwnd(), StartingDpi());
}

TEST_F(Form1Test, TheWindowAndItsBoxesAreWhereTheyShouldBe) {
  const int dpi = StartingDpi();
  RECT client;
  GetClientRect(window().hwnd(), &client);
  EXPECT_EQ(client.right, form::ClientSize(dpi).width);
  EXPECT_EQ(client.bottom, form::ClientSize(dpi).height);
  EXPECT_EQ(Utf8(WindowText(window().hwnd())), "Tenvo宠物成长计算器0.5");
  EXPECT_TRUE(GetWindowLongW(window().hwnd(), GWL_STYLE) & WS_CLIPCHILDREN);
  // The logo the picture draws at this density, at the picture's own size.
  const UniqueBitmap drawn = LoadLogo(GetModuleHandleW(nullptr), dpi);
  BITMAP logo{};
  GetObjectW(drawn.get(), sizeof logo, &logo);
  EXPECT_EQ(logo.bmWidth, form::PixelsOf(form::Image1, dpi).width);
  EXPECT_EQ(logo.bmHeight, form::PixelsOf(form::Image1, dpi).height);
  // A Chinese caption in a face that keeps it on one line of the label's height.
  EXPECT_EQ(FontOf(Control(form::Label7)).lfCharSet, GB2312_CHARSET);
  EXPECT_LE(RectInParent(Control(form::Label7)).bottom - RectInParent(Control(form::Label7)).top,
            MulDiv(14, dpi, 96));
}

// The test prefix knows SimSun by its English name only, as a Windows whose locale is not
// Chinese does: the window must find it by that name.
TEST_F(Form1Test, FindsTheInterfaceFaceByItsEnglishName) {
  EXPECT_FALSE(FirstInstalled(std::array<std::u16string_view, 1>{u"宋体"}).has_value());
  EXPECT_EQ(std::wstring(FontOf(Control(form::Text1)).lfFaceName), L"SimSun");
  EXPECT_EQ(std::wstring(InterfaceFace(96).lfFaceName), L"SimSun");
}

TEST_F(Form1Test, ScreenReadersHearEveryBoxButtonAndThePicture) {
  for (const form::Control each : form::Control::All()) {
    const ControlRow& row = each.description();
    if (row.kind == ControlKind::kLabel) continue;  // a label is heard by its caption
    SCOPED_TRACE(row.name);
    EXPECT_FALSE(row.accessible_name.empty());
    EXPECT_EQ(Utf8(AccessibleName(Control(each))), petcalc::ToUtf8(row.accessible_name));
  }
  EXPECT_EQ(AccessibleRole(Control(form::Text1)), ROLE_SYSTEM_TEXT);  // the rest is the system's
}

// Sends what Windows sends when the window moves to a screen of `dpi`: first the question of
// the size it wants there, then the change itself with the rectangle Windows settled on.
SIZE AskDpiScaledSize(HWND window, int dpi) {
  RECT now;
  GetWindowRect(window, &now);
  SIZE size{now.right - now.left, now.bottom - now.top};
  EXPECT_TRUE(SendMessageW(window, WM_GETDPISCALEDSIZE, static_cast<WPARAM>(dpi),
                           reinterpret_cast<LPARAM>(&size)));
  return size;
}

void SendDpiChanged(HWND window, int dpi, RECT suggested) {
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

RECT WindowRect(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return rect;
}

int OtherDpi(int dpi) { return dpi == 96 ? 144 : 96; }

TEST_F(Form1Test, AtItsOwnSizeItAsksForTheFormsSizeAtTheNewDensity) {
  const int other = OtherDpi(StartingDpi());
  const SIZE size = AskDpiScaledSize(window().hwnd(), other);
  RECT frame{0, 0, form::ClientSize(other).width, form::ClientSize(other).height};
  AdjustWindowRectExForDpi(&frame, GetWindowLongW(window().hwnd(), GWL_STYLE), FALSE, 0,
                           static_cast<UINT>(other));
  EXPECT_EQ(size.cx, frame.right - frame.left);
  EXPECT_EQ(size.cy, frame.bottom - frame.top);

  // Under wine the frame keeps the screen's real density, so the window's own rectangle, not its
  // client area, shows that the suggestion was taken as it was.
  const RECT now = WindowRect(window().hwnd());
  SendDpiChanged(window().hwnd(), other,
                 {now.left, now.top, now.left + size.cx, now.top + size.cy});
  ExpectEveryControlAsDescribed(window().hwnd(), other);
  const RECT after = WindowRect(window().hwnd());
  EXPECT_EQ(after.right - after.left, size.cx);
  EXPECT_EQ(after.bottom - after.top, size.cy);
}

TEST_F(Form1Test, ASizeTheUserChoseIsKeptThroughADensityChange) {
  SetWindowPos(window().hwnd(), nullptr, 10, 10, 800, 500, SWP_NOZORDER);
  const int other = OtherDpi(StartingDpi());
  const SIZE asked = AskDpiScaledSize(window().hwnd(), other);
  EXPECT_GT(asked.cx, other > StartingDpi() ? 800 : 0);
  EXPECT_LT(asked.cx, other > StartingDpi() ? 1600 : 800);

  SendDpiChanged(window().hwnd(), other, {10, 10, 1210, 760});
  const RECT after = WindowRect(window().hwnd());
  EXPECT_EQ(after.right - after.left, 1200);
  EXPECT_EQ(after.bottom - after.top, 750);
  ExpectEveryControlAsDescribed(window().hwnd(), other);
}

TEST_F(Form1Test, AMaximisedWindowStaysMaximisedThroughADensityChange) {
  ShowWindow(window().hwnd(), SW_MAXIMIZE);
  Pump();
  const RECT maximised = WindowRect(window().hwnd());
  const int other = OtherDpi(StartingDpi());
  SIZE untouched{1, 1};
  EXPECT_FALSE(SendMessageW(window().hwnd(), WM_GETDPISCALEDSIZE, static_cast<WPARAM>(other),
                            reinterpret_cast<LPARAM>(&untouched)));
  SendDpiChanged(window().hwnd(), other, maximised);
  EXPECT_TRUE(IsZoomed(window().hwnd()));
  const RECT after = WindowRect(window().hwnd());
  EXPECT_EQ(after.right - after.left, maximised.right - maximised.left);
  EXPECT_EQ(after.bottom - after.top, maximised.bottom - maximised.top);
  ExpectEveryControlAsDescribed(window().hwnd(), other);
}

TEST_F(Form1Test, FollowsTheSystemColours) {
  HDC dc = CreateCompatibleDC(nullptr);
  const auto brush = [&](form::Control name) {
    return reinterpret_cast<HBRUSH>(SendMessageW(window().hwnd(), WM_CTLCOLORSTATIC,
                                                 reinterpret_cast<WPARAM>(dc),
                                                 reinterpret_cast<LPARAM>(Control(name))));
  };
  // Read-only boxes stay edit-white.
  EXPECT_EQ(brush(form::Text14), GetSysColorBrush(COLOR_WINDOW));
  EXPECT_EQ(brush(form::Label1), GetSysColorBrush(COLOR_BTNFACE));
  DeleteDC(dc);
  EXPECT_EQ(GetClassLongPtrW(window().hwnd(), GCLP_HBRBACKGROUND), COLOR_BTNFACE + 1);
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

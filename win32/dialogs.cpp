#include "win32/dialogs.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <stdexcept>

#include "form/dialog_captions.h"
#include "form/fonts.h"
#include "form/twips.h"
#include "win32/accessible_name.h"
#include "win32/dialog_template.h"
#include "win32/fonts.h"
#include "win32/handles.h"
#include "win32/keys.h"
#include "win32/system_library.h"
#include "win32/wide_text.h"

namespace petcalc::win32 {
namespace {

using Class = DialogTemplate::Class;

constexpr WORD kTextId = 100;
constexpr WORD kEditId = 101;
constexpr WORD kIconId = 102;

// Layout of the message dialogs, in pixels at 96 dpi.
constexpr int kMargin = 12;
constexpr int kMaxTextWidth = 360;
constexpr int kMinTextWidth = 150;

int Scaled(int pixels, int dpi) { return MulDiv(pixels, dpi, form::kStandardDpi); }

// A template in the interface font, as the main window's boxes and labels use it.
DialogTemplate InterfaceTemplate(std::u16string_view title, short width, short height) {
  const LOGFONTW face = InterfaceFace(form::kStandardDpi);
  return DialogTemplate(title, FromWide(face.lfFaceName), form::kInterfacePointSize, face.lfCharSet,
                        width, height);
}

// While a dialog is up, a held Enter confirms nothing: its repeats (a press that opened the
// dialog, still held) are dropped before the dialog's own loop reads them.
LRESULT CALLBACK DropHeldEnter(int code, WPARAM wparam, LPARAM lparam) {
  const auto* message = reinterpret_cast<const MSG*>(lparam);
  if (code == MSGF_DIALOGBOX && message->message == WM_KEYDOWN && message->wParam == VK_RETURN &&
      IsKeyRepeat(message->lParam)) {
    return TRUE;
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

// The dialog's result. One that cannot be shown is a failure of the window, not an answer.
INT_PTR Show(const DialogTemplate& dialog, HWND owner, DLGPROC procedure, LPARAM state) {
  const UniqueHook filter(
      SetWindowsHookExW(WH_MSGFILTER, DropHeldEnter, nullptr, GetCurrentThreadId()));
  const INT_PTR result =
      DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.get(), owner, procedure, state);
  if (result == -1) throw std::runtime_error("a dialog could not be shown");
  return result;
}

// Centres the dialog on its owner, as the system's message box does, then moves it wholly
// inside the work area of the owner's monitor, so its buttons stay within reach.
void CentreOnOwner(HWND dialog) {
  HWND owner = GetWindow(dialog, GW_OWNER);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(owner != nullptr ? owner : dialog, MONITOR_DEFAULTTONEAREST),
                  &monitor);
  RECT around = monitor.rcWork;
  if (owner != nullptr) GetWindowRect(owner, &around);
  RECT own;
  GetWindowRect(dialog, &own);
  const LONG width = own.right - own.left;
  const LONG height = own.bottom - own.top;
  const RECT& work = monitor.rcWork;
  const LONG left = std::clamp<LONG>((around.left + around.right - width) / 2, work.left,
                                     std::max(work.left, work.right - width));
  const LONG top = std::clamp<LONG>((around.top + around.bottom - height) / 2, work.top,
                                    std::max(work.top, work.bottom - height));
  SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK PromptProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(dialog, DWLP_USER, lparam);
      HWND edit = GetDlgItem(dialog, kEditId);
      Edit_LimitText(edit, 0);
      // The field is announced by the prompt it answers.
      SetAccessibleName(edit, FromWide(WindowText(GetDlgItem(dialog, kTextId))));
      CentreOnOwner(dialog);
      SetFocus(edit);
      return FALSE;  // the focus is set
    }
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK) {
        auto* answer = reinterpret_cast<std::u16string*>(GetWindowLongPtrW(dialog, DWLP_USER));
        *answer = FromWide(WindowText(GetDlgItem(dialog, kEditId)));
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wparam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

RECT WindowRectIn(HWND dialog, HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowRect(HWND_DESKTOP, dialog, &rect);
  return rect;
}

SIZE TextSize(HWND text, int dpi) {
  const std::wstring content = WindowText(text);
  const WindowDc dc(text);
  const Selection selected(dc.get(), GetWindowFont(text));
  RECT bounds{0, 0, Scaled(kMaxTextWidth, dpi), 0};
  DrawTextW(dc.get(), content.c_str(), static_cast<int>(content.size()), &bounds,
            DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  return {std::max<LONG>(bounds.right, Scaled(kMinTextWidth, dpi)), bounds.bottom};
}

// Sizes a message dialog to its text: the icon (if any) and the text side by side, the button
// centred below, then the whole centred over its owner.
void LayOutMessage(HWND dialog) {
  const int dpi = static_cast<int>(GetDpiForWindow(dialog));
  const int margin = Scaled(kMargin, dpi);
  HWND icon = GetDlgItem(dialog, kIconId);
  HWND text = GetDlgItem(dialog, kTextId);
  HWND button = GetDlgItem(dialog, IDOK);

  const int icon_size = icon != nullptr ? GetSystemMetricsForDpi(SM_CXICON, dpi) : 0;
  const int icon_room = icon != nullptr ? icon_size + margin : 0;
  const SIZE text_size = TextSize(text, dpi);
  const RECT button_rect = WindowRectIn(dialog, button);
  const int button_width = button_rect.right - button_rect.left;
  const int button_height = button_rect.bottom - button_rect.top;

  const int body_height = std::max<int>(icon_size, text_size.cy);
  const int width = margin + icon_room + text_size.cx + margin;
  const int height = margin + body_height + margin + button_height + margin;
  if (icon != nullptr)
    SetWindowPos(icon, nullptr, margin, margin, icon_size, icon_size, SWP_NOZORDER);
  SetWindowPos(text, nullptr, margin + icon_room, margin + (body_height - text_size.cy) / 2,
               text_size.cx, text_size.cy, SWP_NOZORDER);
  SetWindowPos(button, nullptr, (width - button_width) / 2, margin + body_height + margin,
               button_width, button_height, SWP_NOZORDER);

  RECT frame{0, 0, width, height};
  AdjustWindowRectExForDpi(&frame, GetWindowStyle(dialog), FALSE, GetWindowExStyle(dialog),
                           static_cast<UINT>(dpi));
  SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER);
  CentreOnOwner(dialog);
}

// The common controls' LoadIconWithScaleDown, which mingw-w64's import library lacks.
HRESULT LoadScaledIcon(PCWSTR name, int size, HICON* icon) {
  auto* load = CommonControls().Get<decltype(LoadIconWithScaleDown)>("LoadIconWithScaleDown");
  return load != nullptr ? load(nullptr, name, size, size, icon) : E_NOTIMPL;
}

// The error sign at the dialog's own density; the dialog's icon control keeps it, and it is
// destroyed with the dialog.
void ShowErrorSign(HWND dialog) {
  const int dpi = static_cast<int>(GetDpiForWindow(dialog));
  const int size = GetSystemMetricsForDpi(SM_CXICON, static_cast<UINT>(dpi));
  HICON sign = nullptr;
  if (FAILED(LoadScaledIcon(IDI_ERROR, size, &sign))) return;
  SendDlgItemMessageW(dialog, kIconId, STM_SETICON, reinterpret_cast<WPARAM>(sign), 0);
}

INT_PTR CALLBACK MessageProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      if (lparam != 0) {
        ShowErrorSign(dialog);
        MessageBeep(MB_ICONERROR);
      }
      LayOutMessage(dialog);
      return TRUE;  // the focus goes to 确定
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) {
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      return FALSE;
    case WM_DESTROY: {
      const UniqueIcon sign(
          reinterpret_cast<HICON>(SendDlgItemMessageW(dialog, kIconId, STM_GETICON, 0, 0)));
      return FALSE;
    }
    default:
      return FALSE;
  }
}

void ShowMessageDialog(HWND owner, std::u16string_view text, std::u16string_view title,
                       bool critical) {
  // The sizes here are placeholders that LayOutMessage replaces; the button's is kept.
  DialogTemplate dialog = InterfaceTemplate(title, 180, 60);
  if (critical) dialog.Add(Class::kStatic, kIconId, SS_ICON, {7, 7, 28, 28});
  dialog.Add(Class::kStatic, kTextId, SS_LEFT | SS_NOPREFIX, {7, 7, 170, 20},
             WithWindowsLineBreaks(text));
  dialog.Add(Class::kButton, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, {65, 40, 115, 54},
             form::kOkCaption);
  Show(dialog, owner, MessageProcedure, critical ? 1 : 0);
}

}  // namespace

std::u16string AskText(HWND owner, std::u16string_view prompt, std::u16string_view title) {
  DialogTemplate dialog = InterfaceTemplate(title, 240, 84);
  dialog.Add(Class::kStatic, kTextId, SS_LEFT | SS_NOPREFIX, {7, 7, 178, 50}, prompt);
  dialog.Add(Class::kButton, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, {186, 7, 233, 21},
             form::kOkCaption);
  dialog.Add(Class::kButton, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, {186, 25, 233, 39},
             form::kCancelCaption);
  dialog.Add(Class::kEdit, kEditId, ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, {7, 63, 233, 75}, u"",
             WS_EX_CLIENTEDGE);
  std::u16string answer;
  if (Show(dialog, owner, PromptProcedure, reinterpret_cast<LPARAM>(&answer)) != IDOK) return {};
  return answer;
}

void ShowMessage(HWND owner, std::u16string_view prompt, std::u16string_view title) {
  ShowMessageDialog(owner, prompt, title, false);
}

void ShowError(HWND owner, std::u16string_view text, std::u16string_view title) {
  ShowMessageDialog(owner, text, title, true);
}

}  // namespace petcalc::win32

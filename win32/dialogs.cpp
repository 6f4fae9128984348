#include "win32/dialogs.h"

#include <windowsx.h>

#include <algorithm>

#include "form/dialog_captions.h"
#include "form/fonts.h"
#include "win32/dialog_template.h"
#include "win32/fonts.h"
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

int Scaled(int pixels, int dpi) { return MulDiv(pixels, dpi, 96); }

// A template in the interface font, as the main window's boxes and labels use it.
DialogTemplate InterfaceTemplate(std::u16string_view title, short width, short height) {
  const LOGFONTW face = InterfaceFace(96);
  return DialogTemplate(title, FromWide(face.lfFaceName), form::kInterfacePointSize, face.lfCharSet,
                        width, height);
}

INT_PTR Show(const DialogTemplate& dialog, HWND owner, DLGPROC procedure, LPARAM state) {
  return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.get(), owner, procedure, state);
}

INT_PTR CALLBACK PromptProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(dialog, DWLP_USER, lparam);
      HWND edit = GetDlgItem(dialog, kEditId);
      Edit_LimitText(edit, 0);
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
  HDC dc = GetDC(text);
  const HGDIOBJ previous = SelectObject(dc, GetWindowFont(text));
  RECT bounds{0, 0, Scaled(kMaxTextWidth, dpi), 0};
  DrawTextW(dc, content.c_str(), static_cast<int>(content.size()), &bounds,
            DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  SelectObject(dc, previous);
  ReleaseDC(text, dc);
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
  RECT owner_rect;
  HWND owner = GetWindow(dialog, GW_OWNER);
  if (owner == nullptr || !GetWindowRect(owner, &owner_rect)) {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &owner_rect, 0);
  }
  const int frame_width = frame.right - frame.left;
  const int frame_height = frame.bottom - frame.top;
  SetWindowPos(dialog, nullptr, (owner_rect.left + owner_rect.right - frame_width) / 2,
               (owner_rect.top + owner_rect.bottom - frame_height) / 2, frame_width, frame_height,
               SWP_NOZORDER);
}

INT_PTR CALLBACK MessageProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      if (lparam != 0) {
        SendDlgItemMessageW(dialog, kIconId, STM_SETICON,
                            reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_ERROR)), 0);
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

// The floor petcalc.exe's start-up is measured against: a bare window of the same size holding
// the same 41 controls, of the same classes (common controls 6, by the same manifest), at the
// same places, with the same captions, made through the same API, in the same faces found by the
// same lookup (win32/fonts.h: the Song face, and the buttons' face), and nothing else: no logo,
// no DPI handling, no tab order, no screen-reader names, no dialogs.
#include <windows.h>

#include <string>

#include "form/control_table.h"
#include "form/twips.h"
#include "win32/fonts.h"
#include "win32/wide_text.h"

namespace {

const wchar_t* ClassOf(petcalc::form::ControlKind kind) {
  switch (kind) {
    case petcalc::form::ControlKind::kTextBox:
      return L"EDIT";
    case petcalc::form::ControlKind::kPushButton:
      return L"BUTTON";
    default:
      return L"STATIC";
  }
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  using petcalc::form::TwipsToPixels;
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = Procedure;
  window_class.hInstance = instance;
  window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  window_class.lpszClassName = L"PetCalcFloor";
  RegisterClassExW(&window_class);
  const std::wstring title = petcalc::win32::ToWide(petcalc::form::kForm1Title);
  HWND window = CreateWindowExW(
      0, L"PetCalcFloor", title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
      TwipsToPixels(petcalc::form::kForm1ClientWidth),
      TwipsToPixels(petcalc::form::kForm1ClientHeight), nullptr, nullptr, instance, nullptr);
  const petcalc::win32::FormFonts fonts(petcalc::form::kStandardDpi);
  for (const petcalc::form::ControlRow& row : petcalc::form::kForm1Controls) {
    const std::wstring caption = petcalc::win32::ToWide(row.caption);
    const HWND control = CreateWindowExW(
        0, ClassOf(row.kind), caption.c_str(), WS_CHILD | WS_VISIBLE, TwipsToPixels(row.rect.left),
        TwipsToPixels(row.rect.top), TwipsToPixels(row.rect.width), TwipsToPixels(row.rect.height),
        window, nullptr, instance, nullptr);
    if (control == nullptr) return 1;
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.For(row.font)), FALSE);
  }
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}

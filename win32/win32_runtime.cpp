#include "win32/win32_runtime.h"

#include <windowsx.h>

#include <stdexcept>
#include <string>

#include "form/control_table.h"
#include "win32/dialogs.h"
#include "win32/form1_window.h"
#include "win32/wide_text.h"

namespace petcalc::win32 {

HWND Win32Runtime::Box(std::string_view control) const {
  const std::size_t index = form::ControlIndex(control);
  if (form::kForm1Controls[index].kind != form::ControlKind::kTextBox) {
    throw std::out_of_range("no text box named " + std::string(control));
  }
  return window_.control(control);
}

std::u16string Win32Runtime::GetText(std::string_view control) {
  return FromWide(WindowText(Box(control)));
}

void Win32Runtime::SetText(std::string_view control, std::u16string_view text) {
  HWND box = Box(control);
  if (!SetWindowTextW(box, ToWide(text).c_str())) {
    throw std::runtime_error("the box " + std::string(control) + " did not take its text");
  }
  // Show the number's start, as a freshly written box does, rather than its end.
  Edit_SetSel(box, 0, 0);
  Edit_ScrollCaret(box);
}

std::u16string Win32Runtime::InputBox(std::u16string_view prompt, std::u16string_view title) {
  return AskText(window_.hwnd(), prompt, title);
}

void Win32Runtime::MsgBox(std::u16string_view prompt, std::u16string_view title) {
  ShowMessage(window_.hwnd(), prompt, title);
}

void Win32Runtime::ReportError(std::u16string_view text) {
  ShowError(window_.hwnd(), text, form::kForm1Title);
}

}  // namespace petcalc::win32

#include "win32/win32_runtime.h"

#include <windowsx.h>

#include <stdexcept>
#include <string>

#include "win32/dialogs.h"
#include "win32/wide_text.h"

namespace petcalc::win32 {

std::u16string Win32Runtime::GetText(form::TextBox box) {
  return FromWide(WindowText(controls_[box]));
}

void Win32Runtime::SetText(form::TextBox box, std::u16string_view text) {
  HWND edit = controls_[box];
  if (!SetWindowTextW(edit, ToWide(text).c_str())) {
    throw std::runtime_error("the box " + std::string(box.name()) + " did not take its text");
  }
  Edit_SetSel(edit, form::kCaretAfterWrite, form::kCaretAfterWrite);
  Edit_ScrollCaret(edit);
}

std::u16string Win32Runtime::InputBox(std::u16string_view prompt, std::u16string_view title) {
  return AskText(owner_, prompt, title);
}

void Win32Runtime::MsgBox(std::u16string_view prompt, std::u16string_view title) {
  ShowMessage(owner_, prompt, title);
}

void Win32Runtime::ReportError(std::u16string_view text) {
  ShowError(owner_, text, form::kForm1Title);
}

}  // namespace petcalc::win32

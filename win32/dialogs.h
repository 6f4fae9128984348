#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace petcalc::win32 {

// The three dialogs as modal dialogs of the program's own over `owner`, built from in-memory
// templates in the interface font, their buttons captioned 确定 and 取消 whatever the system's
// language (the stock MessageBoxW would caption them in that language). Each opens centred on
// its owner and wholly inside the work area of the owner's monitor; a held Enter confirms none
// of them. A dialog that cannot be shown throws std::runtime_error.

// The prompt: its text, an empty edit field that screen readers announce by that text, 确定
// (also Enter) and 取消. The typed text, or the empty text on 取消, Escape or close.
std::u16string AskText(HWND owner, std::u16string_view prompt, std::u16string_view title);

// A message with one 确定 and no icon, sized to its text.
void ShowMessage(HWND owner, std::u16string_view prompt, std::u16string_view title);

// An error with the critical icon and sound and one 确定, sized to its text.
void ShowError(HWND owner, std::u16string_view text, std::u16string_view title);

}  // namespace petcalc::win32

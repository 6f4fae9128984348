#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace petcalc::win32 {

// On Windows wchar_t is UTF-16, so the program's char16_t texts are the same code units.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline std::wstring ToWide(std::u16string_view text) { return {text.begin(), text.end()}; }
inline std::u16string FromWide(std::wstring_view text) { return {text.begin(), text.end()}; }

// Windows' controls break lines at CR LF.
inline std::u16string WithWindowsLineBreaks(std::u16string_view text) {
  std::u16string result;
  for (const char16_t c : text) {
    if (c == u'\n') result.push_back(u'\r');
    result.push_back(c);
  }
  return result;
}

// The whole text of a window or control.
inline std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)), L'\0');
  if (!text.empty()) {
    const int copied = GetWindowTextW(window, text.data(), static_cast<int>(text.size()) + 1);
    text.resize(static_cast<std::size_t>(copied));
  }
  return text;
}

}  // namespace petcalc::win32

#pragma once

#include <string>
#include <string_view>

namespace petcalc {

// True only for text of length zero: a text of blanks is not empty.
constexpr bool IsEmptyText(std::u16string_view text) { return text.empty(); }

// Widens ASCII text (digits, signs, a full stop) to the UTF-16 text the window shows.
std::u16string AsciiToText(std::string_view ascii);

}  // namespace petcalc

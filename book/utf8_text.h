#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace petcalc::book {

// The number of characters (code points) of `text` if it is well-formed UTF-8: no overlong form,
// no surrogate, nothing beyond U+10FFFF, no cut sequence; nothing otherwise.
std::optional<std::size_t> CharactersOf(std::string_view text);

// UTF-16 as UTF-8, for the front ends; a lone surrogate becomes U+FFFD.
std::string Utf8Of(std::u16string_view text);

// `text` with each malformed sequence (a surrogate among them) replaced by U+FFFD.
std::string WellFormed(std::string_view text);

// A whole number as the window writes it (WholeText), in UTF-8; and read back, as it writes it
// only (an optional minus sign, then digits without a leading zero, no "-0"), within 32 bits.
std::string NumberText(std::int32_t value);
std::optional<std::int32_t> ReadNumber(std::string_view text);

}  // namespace petcalc::book

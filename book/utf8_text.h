#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace petcalc::book {

// The number of characters (code points) of `text` if it is well-formed UTF-8: no overlong form,
// no surrogate, nothing beyond U+10FFFF, no cut sequence; nothing otherwise.
std::optional<std::size_t> CharactersOf(std::string_view text);

// UTF-8 and UTF-16, both ways, for the front ends; a lone surrogate becomes U+FFFD, as does a
// malformed sequence.
std::string Utf8Of(std::u16string_view text);
std::u16string Utf16Of(std::string_view text);

}  // namespace petcalc::book

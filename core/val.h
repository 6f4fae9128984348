#pragma once

#include <string_view>

namespace petcalc {

// Reads the number at the start of a text, leniently; never fails. Linear in the text's length,
// without recursion, and independent of the process locale.
//
// - Blanks (U+0020), tabs and line feeds are ignored wherever they stand: "1 234" is 1234,
//   "- 5" is -5. Full-width forms (U+FF01..U+FF5E, as an IME types them) read as their ASCII
//   twins and the ideographic space U+3000 as a blank, so "１２" is 12. Invisible format
//   characters (zero-width spaces and joiners U+200B..U+200D, directional marks, embeddings and
//   isolates, word joiners, the byte-order mark) are ignored like blanks: what the box shows is
//   what is read. Every other character, carriage returns, NUL, lone surrogates and emoji
//   included, ends the number.
// - "&H" then hexadecimal digits, "&O" then octal digits (either letter case). The value keeps
//   the narrowest two's-complement width it fits: up to 0xFFFF a 16-bit number (&HFFFF is -1),
//   up to 0xFFFFFFFF a 32-bit one (&HFFFFFFFF is -1, &H10000 is 65536), larger values their
//   plain value rounded to the nearest double. No digit after the prefix gives 0.
// - Otherwise: an optional sign, decimal digits with at most one full stop, then optionally an
//   exponent: E, e, D or d, an optional sign and digits. An exponent marker without digits
//   adds nothing ("1e" is 1). The decimal point is always the full stop; a comma ends the number.
// - Reading stops at the first character that cannot continue; no digit read gives 0.
// - The result is the nearest double to the number read. Beyond the double range it is plus or
//   minus infinity; below the smallest subnormal it is 0. Zero is always +0.
//
// Examples: "" → 0, "abc" → 0, "-" → 0, "12abc" → 12, "  -12.5kg" → -12.5, "1,234" → 1,
// "1.2.3" → 1.2, ".5" → 0.5, "5." → 5, "1e3" → 1000, "2.5E-1" → 0.25, "$5" → 0,
// "&H10" → 16, "&O17" → 15, "&HFFFF" → -1.
double Val(std::u16string_view text);

}  // namespace petcalc

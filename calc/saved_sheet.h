#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "calc/stat_sheet.h"

namespace petcalc {

// The sheet's saved form, for a window that outlives its page: one line of ASCII characters,
// every field of the sheet in order and a check value,
//   sheet1,<a1>,…,<b6>,<targetLevel>,<predictions>,<levelGain>,<growths>,<threeStatGrowth>,
//   <totalGrowth>,<answers a..l>,<check>
// the whole numbers in decimal, each Currency as its units, each answer slot as its UTF-16 code
// units in four lower-case hexadecimal digits each (exact, lone surrogates included), and the
// check the FNV-1a hash of everything before it, in sixteen hexadecimal digits. A text of the
// seam's kind, UTF-16, as the page hands it back.
std::u16string SavedSheet(const StatSheet& sheet);

// The sheet that `saved` describes; null when it is not what SavedSheet writes: another version,
// a wrong check value, a field missing, extra or malformed (a leading zero or plus sign, "-0", a
// hexadecimal slot of the wrong length), or a value no click can store (a level gain that is not a
// whole 32-bit number, a growth beyond ±2147483648, a sum beyond its growths').
std::unique_ptr<StatSheet> ReadSavedSheet(std::u16string_view saved);

}  // namespace petcalc

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/stat_sheet.h"

namespace petcalc {

// The sheet's saved form, for a window that outlives its page: one line of ASCII, every field
// of the sheet in order and a check value,
//   sheet1,<a1>,…,<b6>,<levelGain>,<growths>,<threeStatGrowth>,<totalGrowth>,<targetLevel>,
//   <predictions>,<answers>,<check>
// the whole numbers in decimal, each Currency as its units, each answer slot as its UTF-16 code
// units in four lower-case hexadecimal digits each (exact, lone surrogates included), and the
// check the FNV-1a hash of everything before it, in sixteen hexadecimal digits.
std::string SavedSheet(const StatSheet& sheet);

// The sheet that `saved` describes; nothing when it is not what SavedSheet writes: another
// version, a wrong check value, a field missing, extra or malformed (a leading zero or plus sign,
// "-0", a hexadecimal slot of the wrong length), or a value no click can store (a level gain
// that is not a whole 32-bit number, a growth beyond ±2147483648, a sum beyond its growths').
std::optional<StatSheet> ReadSavedSheet(std::string_view saved);

}  // namespace petcalc

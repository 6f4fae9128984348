#pragma once

#include <cstdint>
#include <string>

namespace petcalc {

// Signed 32-bit whole numbers: the gathered stats, the target level and the predictions.
// Every operation here is checked: a result outside -2,147,483,648 .. 2,147,483,647 raises
// CalcError::Overflow() instead of wrapping.

// Rounds x to the nearest whole number, ties to even: 0.5 → 0, 1.5 → 2, 2.5 → 2, -2.5 → -2,
// -3.7 → -4. NaN, the infinities and results outside the 32-bit range overflow.
std::int32_t ToInt32(double x);

// The exact difference a - b and product a × b.
std::int32_t CheckedSub32(std::int32_t a, std::int32_t b);
std::int32_t CheckedMul32(std::int32_t a, std::int32_t b);

// Plain decimal digits with a leading minus sign when negative: 0, 15, -4, -2147483648.
std::u16string Int32ToText(std::int32_t n);

}  // namespace petcalc

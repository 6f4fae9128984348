#pragma once

#include <cstdint>
#include <optional>

namespace petcalc {

// x rounded to the nearest whole number, ties to even, exactly. Gives nothing when x is not
// finite or the rounded result does not fit a signed 64-bit integer.
std::optional<std::int64_t> RoundHalfEven(double x);

}  // namespace petcalc

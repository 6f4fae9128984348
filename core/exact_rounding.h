#pragma once

#include <cstdint>
#include <optional>

namespace petcalc {

// Rounds the exact product x × scale to the nearest whole number, ties to even, without first
// rounding the product to a double. Gives nothing when x is not finite or the rounded result
// does not fit a signed 64-bit integer. scale must lie in 1..10,000.
std::optional<std::int64_t> RoundScaledHalfEven(double x, std::int64_t scale);

}  // namespace petcalc

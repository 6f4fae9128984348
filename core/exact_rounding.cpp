#include "core/exact_rounding.h"

#include <cmath>
#include <limits>

namespace petcalc {
namespace {

__extension__ using Int128 = __int128;

constexpr int kMantissaBits = 53;
// Beyond this shift a product of at least 2^52 leaves the 64-bit range, and below its negation
// a product under 2^67 rounds to zero; both keep every shift inside 128 bits.
constexpr int kMaxLeftShift = 60;
constexpr int kMaxRightShift = 100;

Int128 ShiftRightHalfEven(Int128 magnitude, int shift) {
  const Int128 quotient = magnitude >> shift;
  const Int128 remainder = magnitude - (quotient << shift);
  const Int128 half = Int128{1} << (shift - 1);
  const bool round_up = remainder > half || (remainder == half && (quotient & 1) != 0);
  return round_up ? quotient + 1 : quotient;
}

}  // namespace

std::optional<std::int64_t> RoundScaledHalfEven(double x, std::int64_t scale) {
  if (!std::isfinite(x)) return std::nullopt;
  if (x == 0) return 0;

  int exponent = 0;
  const double fraction = std::frexp(x, &exponent);
  const auto mantissa = static_cast<std::int64_t>(std::ldexp(fraction, kMantissaBits));
  exponent -= kMantissaBits;

  // x × scale = product × 2^exponent exactly.
  Int128 product = Int128{mantissa} * scale;
  if (exponent >= 0) {
    if (exponent > kMaxLeftShift) return std::nullopt;
    product *= Int128{1} << exponent;
  } else if (-exponent > kMaxRightShift) {
    return 0;
  } else {
    const bool negative = product < 0;
    const Int128 rounded = ShiftRightHalfEven(negative ? -product : product, -exponent);
    product = negative ? -rounded : rounded;
  }

  if (product < std::numeric_limits<std::int64_t>::min() ||
      product > std::numeric_limits<std::int64_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int64_t>(product);
}

}  // namespace petcalc

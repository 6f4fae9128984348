#include "core/round_half_even.h"

#include <cmath>

namespace petcalc {
namespace {

// -2^63 and 2^63, both exact doubles: the 64-bit range is [kLow, kHigh).
constexpr double kLow = -0x1p63;
constexpr double kHigh = 0x1p63;

}  // namespace

std::optional<std::int64_t> RoundHalfEven(double x) {
  if (!std::isfinite(x)) return std::nullopt;
  double whole = std::floor(x);
  const double fraction = x - whole;  // exact for every finite double
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0)) whole += 1;
  if (whole < kLow || whole >= kHigh) return std::nullopt;
  return static_cast<std::int64_t>(whole);
}

}  // namespace petcalc

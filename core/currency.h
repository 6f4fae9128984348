#pragma once

#include <compare>
#include <cstdint>
#include <string>

namespace petcalc {

// An exact decimal with four places: a signed 64-bit count of ten-thousandths ("units"), so
// 3.5 is 35,000 units. Range -922,337,203,685,477.5808 .. 922,337,203,685,477.5807.
// Arithmetic goes only through the checked functions below, which raise CalcError::Overflow()
// instead of wrapping; there are no arithmetic operators and no implicit conversions.
class Currency {
 public:
  static constexpr std::int64_t kUnitsPerWhole = 10'000;

  constexpr Currency() = default;
  static constexpr Currency FromUnits(std::int64_t units) { return Currency(units); }

  constexpr std::int64_t units() const { return units_; }

  friend constexpr auto operator<=>(Currency, Currency) = default;

 private:
  explicit constexpr Currency(std::int64_t units) : units_(units) {}

  std::int64_t units_ = 0;
};

// units = x × 10,000, rounded once to a double (53 bits), then that double rounded to the
// nearest whole number, ties to even. Rounding the product to a double first keeps a decimal
// half a half: the double nearest 0.00005 lies a little above it, but times 10,000 it rounds to
// exactly 0.5, which goes to even. 3.5 → 35,000 units, 1/3 → 3,333, 2/3 → 6,667,
// 1/32 → 312, 1/20,000 (0.00005) → 0, 5/20,000 (0.00025) → 2. NaN, the infinities and
// products outside the 64-bit range overflow.
Currency ToCurrency(double x);

// units = n × 10,000; cannot fail.
constexpr Currency CurrencyFromInt32(std::int32_t n) {
  return Currency::FromUnits(std::int64_t{n} * Currency::kUnitsPerWhole);
}

// units ÷ 10,000 as a double: exact for every whole-number value.
double CurrencyToDouble(Currency c);

// The exact sum; overflows outside the 64-bit range.
Currency CurrencyAdd(Currency a, Currency b);

// A minus sign when negative, the whole part (at least one digit), then, only when the
// fraction is not zero, a full stop and the four places without trailing zeros:
// 35,000 units → 3.5, -3,333 → -0.3333, 20,000 → 2, 100 → 0.01. No digit grouping.
std::u16string CurrencyToText(Currency c);

}  // namespace petcalc

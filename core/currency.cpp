#include "core/currency.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

#include "core/calc_error.h"
#include "core/round_half_even.h"
#include "core/text.h"

namespace petcalc {

Currency ToCurrency(double x) {
  const double product = x * static_cast<double>(Currency::kUnitsPerWhole);
  const auto units = RoundHalfEven(product);
  if (!units) throw CalcError::Overflow();
  return Currency::FromUnits(*units);
}

double CurrencyToDouble(Currency c) {
  return static_cast<double>(c.units()) / static_cast<double>(Currency::kUnitsPerWhole);
}

Currency CurrencyAdd(Currency a, Currency b) {
  constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
  constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
  const std::int64_t x = a.units();
  const std::int64_t y = b.units();
  if ((y > 0 && x > kMax - y) || (y < 0 && x < kMin - y)) throw CalcError::Overflow();
  return Currency::FromUnits(x + y);
}

std::u16string CurrencyToText(Currency c) {
  const bool negative = c.units() < 0;
  // The magnitude of the most negative value only fits unsigned.
  const std::uint64_t magnitude =
      negative ? 0 - static_cast<std::uint64_t>(c.units()) : static_cast<std::uint64_t>(c.units());
  const std::uint64_t whole = magnitude / Currency::kUnitsPerWhole;
  std::uint64_t fraction = magnitude % Currency::kUnitsPerWhole;

  char buffer[32];
  char* out = buffer;
  if (negative) *out++ = '-';
  out = std::to_chars(out, std::end(buffer), whole).ptr;
  if (fraction != 0) {
    char places[4];
    for (int i = 3; i >= 0; --i, fraction /= 10) places[i] = static_cast<char>('0' + fraction % 10);
    int shown = 4;
    while (places[shown - 1] == '0') --shown;
    *out++ = '.';
    out = std::copy(places, places + shown, out);
  }
  return AsciiToText({buffer, static_cast<std::size_t>(out - buffer)});
}

}  // namespace petcalc

// The checked arithmetic and the conversions against independent reference arithmetic: wider
// integers for the checked operations, and the C library's nearbyint, rounding in the default
// mode (nearest, ties to even), for the rounding conversions.
#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <vector>

#include "core/calc_error.h"
#include "core/currency.h"
#include "core/whole_number.h"
#include "runtime/utf8.h"
#include "tests/support/attempt.h"

namespace petcalc {
namespace {

using petcalc::ToUtf8;
using petcalc::testing::AttemptOrOverflow;

constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kMin64 = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax64 = std::numeric_limits<std::int64_t>::max();
constexpr int kRandomCases = 200'000;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::optional<std::int32_t> ReferenceToInt32(double x) {
  if (!std::isfinite(x)) return std::nullopt;
  const long double r = std::nearbyintl(x);  // the default mode: nearest, ties to even
  if (r < kMin32 || r > kMax32) return std::nullopt;
  return static_cast<std::int32_t>(r);
}

// The product as a double, then rounded to a whole number.
std::optional<std::int64_t> ReferenceToCurrencyUnits(double x) {
  if (!std::isfinite(x)) return std::nullopt;
  const double product = x * 10'000.0;
  const long double r = std::nearbyintl(product);
  // Both bounds are exact in a 64-bit mantissa: -2^63 and 2^63 - 1.
  if (r < static_cast<long double>(kMin64) || r > 9223372036854775807.0L) return std::nullopt;
  return static_cast<std::int64_t>(r);
}

// x and its two neighbouring doubles.
std::vector<double> WithNeighbours(double x) {
  return {std::nextafter(x, -kInf), x, std::nextafter(x, kInf)};
}

TEST(ArithmeticProperties, ToInt32RoundsLikeExactArithmeticAtEveryTie) {
  static_assert(LDBL_MANT_DIG >= 64);
  std::vector<double> samples;
  for (double n : {0.0, 1.0, 2.0, -1.0, -2.0, 2147483646.0, 2147483647.0, 2147483648.0,
                   -2147483647.0, -2147483648.0, -2147483649.0, 4503599627370495.0}) {
    for (double x : WithNeighbours(n + 0.5)) samples.push_back(x);
    for (double x : WithNeighbours(n)) samples.push_back(x);
  }
  std::mt19937_64 rng(31);
  std::uniform_int_distribution<std::int64_t> whole(-(std::int64_t{1} << 32),
                                                    std::int64_t{1} << 32);
  for (int i = 0; i < kRandomCases / 2; ++i) {
    for (double x : WithNeighbours(static_cast<double>(whole(rng)) + 0.5)) samples.push_back(x);
  }
  samples.insert(samples.end(), {kInf, -kInf, kNaN, DBL_MAX, -DBL_MAX, DBL_MIN});

  int mismatches = 0;
  for (double x : samples) {
    const auto actual = AttemptOrOverflow([x] { return ToInt32(x); });
    if (actual != ReferenceToInt32(x) && ++mismatches <= 5) ADD_FAILURE() << "x = " << x;
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(ArithmeticProperties, ToCurrencyRoundsTheDoubleProductAtEveryTie) {
  std::vector<double> samples;
  // (2j + 1) / 32 × 10,000 = (2j + 1) × 312.5: an exact tie for every j.
  std::mt19937_64 rng(32);
  std::uniform_int_distribution<std::int64_t> odd(-(std::int64_t{1} << 45), std::int64_t{1} << 45);
  for (int i = 0; i < kRandomCases; ++i) {
    for (double x : WithNeighbours(static_cast<double>(2 * odd(rng) + 1) / 32))
      samples.push_back(x);
  }
  // Around the ends of the Currency range, and around the ties there.
  for (double edge : {922337203685477.5807, -922337203685477.5808, 922337203685477.5,
                      -922337203685477.5, 1.0 / 20'000, -1.0 / 20'000, 0.5 / 10'000}) {
    double x = edge;
    for (int step = 0; step < 8; ++step) x = std::nextafter(x, -kInf);
    for (int step = 0; step < 16; ++step, x = std::nextafter(x, kInf)) samples.push_back(x);
  }
  // Doubles of every magnitude, from their bits.
  for (int i = 0; i < kRandomCases; ++i) {
    const std::uint64_t bits = rng();
    double x;
    std::memcpy(&x, &bits, sizeof x);
    samples.push_back(x);
  }

  int mismatches = 0;
  for (double x : samples) {
    const auto actual = AttemptOrOverflow([x] { return ToCurrency(x).units(); });
    if (actual != ReferenceToCurrencyUnits(x) && ++mismatches <= 5) {
      ADD_FAILURE() << "x = " << x;
    }
  }
  EXPECT_EQ(mismatches, 0);
}

// Boundary operands first, then random ones of every size.
template <typename Int>
std::vector<Int> Operands(std::mt19937_64& rng) {
  constexpr Int kMin = std::numeric_limits<Int>::min();
  constexpr Int kMax = std::numeric_limits<Int>::max();
  std::vector<Int> operands = {kMin, kMin + 1, kMin / 2, -2, -1, 0, 1, 2, kMax / 2, kMax - 1, kMax};
  for (int i = 0; i < 400; ++i) {
    const int bits = static_cast<int>(rng() % (sizeof(Int) * 8));
    operands.push_back(static_cast<Int>(static_cast<std::int64_t>(rng()) >> (63 - bits)));
  }
  return operands;
}

TEST(ArithmeticProperties, CheckedOperationsMatchWiderArithmetic) {
  std::mt19937_64 rng(33);
  const std::vector<std::int32_t> small = Operands<std::int32_t>(rng);
  for (std::int32_t a : small) {
    for (std::int32_t b : small) {
      const std::int64_t difference = std::int64_t{a} - b;
      const std::int64_t product = std::int64_t{a} * b;
      const auto fits = [](std::int64_t n) { return n >= kMin32 && n <= kMax32; };
      ASSERT_EQ(AttemptOrOverflow([&] { return CheckedSub32(a, b); }),
                fits(difference) ? std::optional<std::int32_t>(difference) : std::nullopt)
          << a << " - " << b;
      ASSERT_EQ(AttemptOrOverflow([&] { return CheckedMul32(a, b); }),
                fits(product) ? std::optional<std::int32_t>(product) : std::nullopt)
          << a << " * " << b;
    }
  }
  const std::vector<std::int64_t> large = Operands<std::int64_t>(rng);
  for (std::int64_t a : large) {
    for (std::int64_t b : large) {
      __extension__ const __int128 sum = static_cast<__int128>(a) + b;
      const bool fits = sum >= kMin64 && sum <= kMax64;
      ASSERT_EQ(AttemptOrOverflow([&] {
                  return CurrencyAdd(Currency::FromUnits(a), Currency::FromUnits(b)).units();
                }),
                fits ? std::optional<std::int64_t>(static_cast<std::int64_t>(sum)) : std::nullopt)
          << a << " + " << b;
    }
  }
}

// A plain reader for what CurrencyToText writes: optional minus, digits, optional full stop and
// one to four digits, nothing else.
std::optional<std::int64_t> ReadUnits(const std::string& text) {
  std::string_view rest = text;
  const bool negative = rest.starts_with('-');
  if (negative) rest.remove_prefix(1);
  const auto point = rest.find('.');
  const std::string_view whole = rest.substr(0, point);
  const std::string_view fraction = point == rest.npos ? "" : rest.substr(point + 1);
  if (whole.empty() || (whole.size() > 1 && whole[0] == '0')) return std::nullopt;
  if (point != rest.npos && (fraction.empty() || fraction.size() > 4 || fraction.back() == '0')) {
    return std::nullopt;
  }
  __extension__ unsigned __int128 units = 0;
  for (char c : whole) {
    if (c < '0' || c > '9') return std::nullopt;
    units = units * 10 + static_cast<unsigned>(c - '0');
  }
  for (std::size_t place = 0; place < 4; ++place) {
    const char c = place < fraction.size() ? fraction[place] : '0';
    if (c < '0' || c > '9') return std::nullopt;
    units = units * 10 + static_cast<unsigned>(c - '0');
  }
  __extension__ const __int128 value =
      negative ? -static_cast<__int128>(units) : static_cast<__int128>(units);
  if (value < kMin64 || value > kMax64 || (negative && value == 0)) return std::nullopt;
  return static_cast<std::int64_t>(value);
}

TEST(ArithmeticProperties, CurrencyTextReadsBackToTheSameUnits) {
  std::mt19937_64 rng(34);
  std::vector<std::int64_t> units = {kMin64, kMin64 + 1, -1, 0, 1, kMax64 - 1, kMax64};
  constexpr std::int64_t kFractions[] = {0, 1000, 1200, 1230, 1234, 5, 50, 500, 9999};
  for (int i = 0; i < kRandomCases; ++i) {
    const std::int64_t whole = (static_cast<std::int64_t>(rng()) >> (rng() % 64)) / 10'000;
    const std::int64_t fraction = kFractions[rng() % std::size(kFractions)];
    units.push_back(whole * 10'000 + (whole < 0 ? -fraction : fraction));
    units.push_back(static_cast<std::int64_t>(rng()));
  }
  for (std::int64_t u : units) {
    const std::string text = ToUtf8(CurrencyToText(Currency::FromUnits(u)));
    ASSERT_EQ(ReadUnits(text), u) << text;
  }
}

}  // namespace
}  // namespace petcalc

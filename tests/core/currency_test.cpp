#include "core/currency.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/calc_error.h"
#include "runtime/utf8.h"

namespace petcalc {
namespace {

using petcalc::ToUtf8;

constexpr std::int64_t kMinUnits = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMaxUnits = std::numeric_limits<std::int64_t>::max();

Currency Units(std::int64_t units) { return Currency::FromUnits(units); }

TEST(ToCurrency, RoundsTenThousandthsTiesToEven) {
  const struct {
    double x;
    std::int64_t units;
  } cases[] = {
      {3.5, 35'000},
      {1.0 / 3, 3'333},
      {2.0 / 3, 6'667},
      {-1.0 / 3, -3'333},
      {1.0 / 7, 1'429},
      {1.0 / 32, 312},
      {3.0 / 32, 938},
      {-1.0 / 32, -312},
      {5.0 / 32, 1'562},
      {-0.0, 0},
      {2147483647.0, 21'474'836'470'000},
      // The product rounded to a double first: 1/20,000 lies a little above 0.00005, but its
      // product with 10,000 rounds to exactly one half, a tie that goes to even.
      {1.0 / 20'000, 0},
      {-1.0 / 20'000, 0},
      {5.0 / 20'000, 2},
      {7.0 / 20'000, 4},
      // At the ends of the range the products round as doubles, 1,024 units apart: the double
      // after 922337203685477.5 gives 2^63, which overflows, but its negation gives -2^63.
      {922337203685477.5, 9'223'372'036'854'774'784},
      {-922337203685477.625, kMinUnits},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.x);
    EXPECT_EQ(ToCurrency(c.x).units(), c.units);
  }
}

TEST(ToCurrency, OverflowsOutsideTheSixtyFourBitRange) {
  // 922337203685477.625 × 10,000 rounds to the double 2^63, one past the largest unit count.
  for (double x :
       {922337203685477.625, -922337203685477.75, 1e15, 1e300,
        std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
    SCOPED_TRACE(x);
    EXPECT_THROW(ToCurrency(x), CalcError);
  }
}

TEST(Currency, ConvertsWholeNumbersExactly) {
  for (std::int32_t n : {0, 1, -1, 11, std::numeric_limits<std::int32_t>::max(),
                         std::numeric_limits<std::int32_t>::min()}) {
    SCOPED_TRACE(n);
    EXPECT_EQ(CurrencyFromInt32(n).units(), std::int64_t{n} * 10'000);
    EXPECT_EQ(CurrencyToDouble(CurrencyFromInt32(n)), n);
  }
  EXPECT_EQ(CurrencyToDouble(Units(35'000)), 3.5);
}

TEST(CurrencyAdd, AddsExactlyOrOverflows) {
  EXPECT_EQ(CurrencyAdd(Units(3'333), Units(6'667)), Units(10'000));
  EXPECT_EQ(CurrencyAdd(Units(kMaxUnits), Units(kMinUnits)), Units(-1));
  EXPECT_EQ(CurrencyAdd(Units(kMaxUnits - 1), Units(1)), Units(kMaxUnits));
  EXPECT_THROW(CurrencyAdd(Units(kMaxUnits), Units(1)), CalcError);
  EXPECT_THROW(CurrencyAdd(Units(kMinUnits), Units(-1)), CalcError);
  EXPECT_THROW(CurrencyAdd(Units(kMinUnits), Units(kMinUnits)), CalcError);
}

TEST(CurrencyToText, WritesFourPlacesWithoutTrailingZeros) {
  const struct {
    std::int64_t units;
    std::u16string_view text;
  } cases[] = {
      {35'000, u"3.5"},
      {3'333, u"0.3333"},
      {6'667, u"0.6667"},
      {-3'333, u"-0.3333"},
      {20'000, u"2"},
      {0, u"0"},
      {100, u"0.01"},
      {12'345'678, u"1234.5678"},
      {-20'000, u"-2"},
      {1, u"0.0001"},
      {-1, u"-0.0001"},
      {10'010, u"1.001"},
      {kMaxUnits, u"922337203685477.5807"},
      {kMinUnits, u"-922337203685477.5808"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.units);
    EXPECT_EQ(ToUtf8(CurrencyToText(Units(c.units))), ToUtf8(c.text));
  }
}

TEST(CurrencyToText, ShowsRoundedQuotients) {
  EXPECT_EQ(CurrencyToText(ToCurrency(10.0 / 3)), u"3.3333");
  EXPECT_EQ(CurrencyToText(ToCurrency(-7.0 / 2)), u"-3.5");
}

}  // namespace
}  // namespace petcalc

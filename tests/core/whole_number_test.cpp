#include "core/whole_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/calc_error.h"

namespace petcalc {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(ToInt32, RoundsToNearestTiesToEven) {
  const struct {
    double x;
    std::int32_t expected;
  } cases[] = {
      {0.5, 0},
      {1.5, 2},
      {2.5, 2},
      {3.5, 4},
      {-0.5, 0},
      {-2.5, -2},
      {-3.7, -4},
      {7.5, 8},
      {6.5, 6},
      {0.49999999999999994, 0},  // just below a half: no tie
      {2147483647.0, kMax},
      {2147483647.4, kMax},
      {-2147483648.0, kMin},
      {-2147483648.5, kMin},  // a tie whose even neighbour is still in range
      {2147483646.5, 2147483646},
      {-0.0, 0},
      {1e-300, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.x);
    EXPECT_EQ(ToInt32(c.x), c.expected);
  }
}

TEST(ToInt32, OverflowsOutsideTheRangeAndOnNonNumbers) {
  for (double x :
       {2147483648.0, 2147483647.5, -2147483649.0, -2147483648.5000005, 3e9, 1e10, -1e300,
        std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN()}) {
    SCOPED_TRACE(x);
    try {
      ToInt32(x);
      ADD_FAILURE() << "no overflow";
    } catch (const CalcError& e) {
      EXPECT_EQ(e.number(), CalcError::kOverflow);
    }
  }
}

TEST(CheckedArithmetic32, GivesExactResultsOrOverflows) {
  EXPECT_EQ(CheckedSub32(11, 1), 10);
  EXPECT_EQ(CheckedSub32(kMin, 0), kMin);
  EXPECT_EQ(CheckedSub32(-1, kMax), kMin);
  EXPECT_EQ(CheckedMul32(65536, -32768), kMin);
  EXPECT_EQ(CheckedMul32(-1, kMax), -kMax);
  EXPECT_THROW(CheckedSub32(kMin, 1), CalcError);
  EXPECT_THROW(CheckedSub32(kMax, -1), CalcError);
  EXPECT_THROW(CheckedSub32(0, kMin), CalcError);
  EXPECT_THROW(CheckedMul32(65536, 32768), CalcError);
  EXPECT_THROW(CheckedMul32(-1, kMin), CalcError);
}

TEST(Int32ToText, WritesPlainDecimalDigits) {
  EXPECT_EQ(Int32ToText(0), u"0");
  EXPECT_EQ(Int32ToText(15), u"15");
  EXPECT_EQ(Int32ToText(-4), u"-4");
  EXPECT_EQ(Int32ToText(kMax), u"2147483647");
  EXPECT_EQ(Int32ToText(kMin), u"-2147483648");
}

}  // namespace
}  // namespace petcalc

#include "core/float_status.h"

#include <gtest/gtest.h>

#include "core/calc_error.h"
#include "core/text.h"

namespace petcalc {
namespace {

template <typename Computation>
int ErrorNumberOf(Computation computation) {
  try {
    computation();
  } catch (const CalcError& e) {
    return e.number();
  }
  return 0;
}

// Judged from the values, alike on every platform, WebAssembly included.
TEST(CheckedQuotient, RaisesTheErrorItsOperandsAndResultName) {
  EXPECT_EQ(ErrorNumberOf([] { CheckedQuotient(5, 0); }), CalcError::kDivisionByZero);
  EXPECT_EQ(ErrorNumberOf([] { CheckedQuotient(-5, 0); }), CalcError::kDivisionByZero);
  EXPECT_EQ(ErrorNumberOf([] { CheckedQuotient(0, 0); }), CalcError::kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { CheckedQuotient(1e308, 1e-308); }), CalcError::kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { CheckedQuotient(1e-308, 1e300); }), 0);  // underflow passes
  EXPECT_EQ(CheckedQuotient(1, 3), 1.0 / 3);                            // inexact passes
  EXPECT_EQ(CheckedQuotient(25, 10), 2.5);
}

TEST(CheckedQuotientPlus, DividesThenAdds) {
  EXPECT_EQ(CheckedQuotientPlus(-10, 4, 0), -2.5);
  EXPECT_EQ(CheckedQuotientPlus(500, 10, 50), 100);
  EXPECT_EQ(ErrorNumberOf([] { CheckedQuotientPlus(5, 0, 1); }), CalcError::kDivisionByZero);
  EXPECT_EQ(ErrorNumberOf([] { CheckedQuotientPlus(0, 0, 1); }), CalcError::kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { CheckedQuotientPlus(1e308, 1, 1e308); }), CalcError::kOverflow);
}

TEST(CalcError, DescribesItselfInChinese) {
  EXPECT_EQ(CalcError::Overflow().description(), u"溢出");
  EXPECT_EQ(CalcError::DivisionByZero().description(), u"除数为零");
}

TEST(IsEmptyText, IsTrueOnlyForLengthZero) {
  EXPECT_TRUE(IsEmptyText(u""));
  EXPECT_FALSE(IsEmptyText(u" "));
  EXPECT_FALSE(IsEmptyText(std::u16string_view(u"\0", 1)));
}

}  // namespace
}  // namespace petcalc

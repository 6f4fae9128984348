#include "core/float_status.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <limits>

#include "core/calc_error.h"
#include "core/text.h"

namespace petcalc {
namespace {

int ErrorNumberOf(void (*computation)()) {
  try {
    computation();
  } catch (const CalcError& e) {
    return e.number();
  }
  return 0;
}

// Constant operands on purpose: the checks must hold even where the compiler could fold them.
TEST(CheckedQuotient, RaisesTheErrorItsFlagsName) {
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

// Puts the thread's floating-point environment, its exception flags included, back as it was,
// even when an assertion fails. The whole environment, because MinGW's fesetexceptflag writes
// over the SSE exception masks and would leave division by zero trapping.
class FloatFlagsGuard {
 public:
  FloatFlagsGuard() { std::fegetenv(&saved_); }
  ~FloatFlagsGuard() { std::fesetenv(&saved_); }
  FloatFlagsGuard(const FloatFlagsGuard&) = delete;
  FloatFlagsGuard& operator=(const FloatFlagsGuard&) = delete;

 private:
  std::fenv_t saved_{};
};

TEST(CheckedQuotient, CountsOnlyItsOwnFlags) {
  FloatFlagsGuard guard;
  std::feraiseexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
  EXPECT_EQ(CheckedQuotient(1, 4), 0.25);
}

TEST(CheckFloatStatus, LooksAtThreeFlagsOnly) {
  FloatFlagsGuard guard;
  std::feclearexcept(FE_ALL_EXCEPT);
  std::feraiseexcept(FE_UNDERFLOW | FE_INEXACT);
  EXPECT_EQ(ErrorNumberOf(CheckFloatStatus), 0);
  std::feraiseexcept(FE_OVERFLOW);
  EXPECT_EQ(ErrorNumberOf(CheckFloatStatus), CalcError::kOverflow);
  std::feraiseexcept(FE_DIVBYZERO);
  EXPECT_EQ(ErrorNumberOf(CheckFloatStatus), CalcError::kDivisionByZero);
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

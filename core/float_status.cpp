#include "core/float_status.h"

#include <cmath>

#include "core/calc_error.h"

namespace petcalc {

void CheckFloatStatus(double dividend, double divisor, double result) {
  if (divisor == 0) throw dividend == 0 ? CalcError::Overflow() : CalcError::DivisionByZero();
  if (!std::isfinite(result)) throw CalcError::Overflow();
}

double CheckedQuotient(double dividend, double divisor) {
  const double quotient = dividend / divisor;
  CheckFloatStatus(dividend, divisor, quotient);
  return quotient;
}

double CheckedQuotientPlus(double dividend, double divisor, double addend) {
  const double sum = CheckedQuotient(dividend, divisor) + addend;
  CheckFloatStatus(dividend, divisor, sum);
  return sum;
}

}  // namespace petcalc

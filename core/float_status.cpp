#include "core/float_status.h"

#include <cfenv>

#include "core/calc_error.h"

namespace petcalc {
namespace {

// The compiler treats floating arithmetic as free of side effects and would fold constant
// operands or move the operation across the flag calls. Passing each value through memory
// behind an opaque barrier pins the computation between clearing and testing the flags.
template <typename T>
void PinInMemory(T& value) {
  asm volatile("" : "+m"(value) : : "memory");
}

template <typename Compute, typename... Operands>
double CheckedComputation(Compute compute, Operands... operands) {
  std::feclearexcept(FE_ALL_EXCEPT);
  (PinInMemory(operands), ...);
  double result = compute(operands...);
  PinInMemory(result);
  CheckFloatStatus();
  return result;
}

}  // namespace

void CheckFloatStatus() {
  const int raised = std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
  if ((raised & FE_DIVBYZERO) != 0) throw CalcError::DivisionByZero();
  if ((raised & (FE_INVALID | FE_OVERFLOW)) != 0) throw CalcError::Overflow();
}

double CheckedQuotient(double dividend, double divisor) {
  return CheckedComputation([](double n, double d) { return n / d; }, dividend, divisor);
}

double CheckedQuotientPlus(double dividend, double divisor, double addend) {
  return CheckedComputation([](double n, double d, double a) { return n / d + a; }, dividend,
                            divisor, addend);
}

}  // namespace petcalc

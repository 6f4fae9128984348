#pragma once

namespace petcalc {

// The floating-point status check of one computation, a quotient or a quotient plus an addend,
// decided from its operands and its result rather than from the exception flags, which
// WebAssembly does not have. A zero divisor is division by zero, CalcError 11, unless the
// dividend is zero too (0 ÷ 0, an invalid operation): CalcError 6. A result that is not finite
// (an overflow) is CalcError 6. Underflow and inexact results pass, so 1 ÷ 3 raises nothing.
// For the finite operands the calculations pass, this is exactly what the divide-by-zero,
// invalid and overflow flags would say.
void CheckFloatStatus(double dividend, double divisor, double result);

// One checked floating computation each, in double precision, then CheckFloatStatus.
// dividend ÷ divisor.
double CheckedQuotient(double dividend, double divisor);
// dividend ÷ divisor + addend, the quotient rounded to a double before the addition.
double CheckedQuotientPlus(double dividend, double divisor, double addend);

}  // namespace petcalc

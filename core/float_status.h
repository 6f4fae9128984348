#pragma once

namespace petcalc {

// The floating-point status check. Looks at the thread's exception flags and at three of them
// only: division by zero raises CalcError 11; invalid operation (0 ÷ 0) and overflow raise
// CalcError 6. Underflow and inexact results pass, so 1 ÷ 3 raises nothing.
void CheckFloatStatus();

// One checked floating computation each: the flags are cleared, the double-precision
// computation is done, then CheckFloatStatus runs on its flags alone.
// dividend ÷ divisor.
double CheckedQuotient(double dividend, double divisor);
// dividend ÷ divisor + addend, the quotient rounded to a double before the addition.
double CheckedQuotientPlus(double dividend, double divisor, double addend);

}  // namespace petcalc

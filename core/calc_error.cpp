#include "core/calc_error.h"

namespace petcalc {

std::u16string_view CalcError::description() const {
  return number_ == kDivisionByZero ? u"除数为零" : u"溢出";
}

const char* CalcError::what() const noexcept {
  return number_ == kDivisionByZero ? "division by zero (11)" : "overflow (6)";
}

}  // namespace petcalc

#include "core/whole_number.h"

#include <charconv>
#include <limits>

#include "core/calc_error.h"
#include "core/round_half_even.h"
#include "core/text.h"

namespace petcalc {
namespace {

std::int32_t NarrowOrOverflow(std::int64_t n) {
  if (n < std::numeric_limits<std::int32_t>::min() ||
      n > std::numeric_limits<std::int32_t>::max()) {
    throw CalcError::Overflow();
  }
  return static_cast<std::int32_t>(n);
}

}  // namespace

std::int32_t ToInt32(double x) {
  const auto rounded = RoundHalfEven(x);
  if (!rounded) throw CalcError::Overflow();
  return NarrowOrOverflow(*rounded);
}

std::int32_t CheckedSub32(std::int32_t a, std::int32_t b) {
  return NarrowOrOverflow(std::int64_t{a} - std::int64_t{b});
}

std::int32_t CheckedMul32(std::int32_t a, std::int32_t b) {
  return NarrowOrOverflow(std::int64_t{a} * std::int64_t{b});
}

std::u16string Int32ToText(std::int32_t n) {
  char digits[16];
  const auto result = std::to_chars(std::begin(digits), std::end(digits), n);
  return AsciiToText({digits, static_cast<std::size_t>(result.ptr - digits)});
}

}  // namespace petcalc

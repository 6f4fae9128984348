// Any bytes, read as UTF-16 text (two bytes a character, low byte first), through the whole
// chain from text to number and back. Only the overflow error may leave an operation; any other
// exception, crash or undefined behaviour stops the fuzzer.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/calc_error.h"
#include "core/currency.h"
#include "core/val.h"
#include "core/whole_number.h"
#include "fuzz/fuzz_check.h"
#include "tests/support/attempt.h"

namespace {

using namespace petcalc;
using petcalc::testing::AttemptOrOverflow;

std::u16string AsUtf16(const std::uint8_t* data, std::size_t size) {
  std::u16string text(size / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
  }
  return text;
}

// Below this many units a Currency's text reads back through a double without loss.
constexpr std::int64_t kExactRoundTripUnits = std::int64_t{1} << 40;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string text = AsUtf16(data, size);
  const double value = Val(text);

  if (const auto whole = AttemptOrOverflow([value] { return ToInt32(value); })) {
    FUZZ_CHECK(std::fabs(value - *whole) <= 0.5);
    FUZZ_CHECK(Val(Int32ToText(*whole)) == *whole);
  } else {
    FUZZ_CHECK(!(std::fabs(value) < 2147483647.5));
  }

  if (const auto money = AttemptOrOverflow([value] { return ToCurrency(value); })) {
    const std::u16string shown = CurrencyToText(*money);
    FUZZ_CHECK(!shown.empty() && shown.size() <= 21);
    if (money->units() > -kExactRoundTripUnits && money->units() < kExactRoundTripUnits) {
      FUZZ_CHECK(ToCurrency(Val(shown)) == *money);
    }
  }
  return 0;
}

#pragma once

#include <optional>

#include "core/calc_error.h"

namespace petcalc::testing {

// The result of a checked operation, or nothing when it overflows. Any other error propagates,
// failing the test or stopping the fuzzer.
template <typename F>
auto AttemptOrOverflow(F operation) -> std::optional<decltype(operation())> {
  try {
    return operation();
  } catch (const CalcError& e) {
    if (e.number() != CalcError::kOverflow) throw;
    return std::nullopt;
  }
}

}  // namespace petcalc::testing

#pragma once

#include <string>

#include "book/book.h"
#include "tests/support/typical_pet.h"

namespace petcalc::book::testing {

// Ids counted from one, "id1", "id2", …, so that tests name what they made.
inline Book::IdSource CountedIds(const std::string& prefix = "id") {
  return [prefix, next = 0]() mutable { return prefix + std::to_string(++next); };
}

// The n-th second of 2026-12-08.
inline Time At(int n) { return Time::FromMilliseconds(1796688000000 + 1000LL * n); }

inline PetStats Stats(std::array<std::int32_t, 6> initial, std::array<std::int32_t, 6> current) {
  PetStats stats{};
  std::copy(initial.begin(), initial.end(), stats.begin());
  std::copy(current.begin(), current.end(), stats.begin() + 6);
  return stats;
}

// The typical pet, and the same pet weighed again at a later level.
inline const PetStats kTypical = Stats({1, 50, 20, 30, 10, 10}, {11, 75, 50, 60, 30, 30});
inline const PetStats kTypicalLater = Stats({1, 50, 20, 30, 10, 10}, {21, 99, 81, 90, 51, 50});
inline const PetStats kOther = Stats({1, 40, 20, 20, 20, 20}, {5, 48, 30, 22, 26, 28});

}  // namespace petcalc::book::testing

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/pet_results.h"

namespace petcalc::book {

// One pet as a link carries it in its fragment, which no server sees: its twelve stats and,
// when it has one, its target level.
struct SharedPet {
  PetStats stats{};
  std::optional<std::int32_t> target_level;
};

// The fragment, without its '#': pet1=1,50,20,30,10,10,11,75,50,60,30,30;21 (the version, the
// stats in form::StatBox order, then the target level).
std::string ShareFragment(const SharedPet& pet);

// A fragment as ShareFragment writes it; nothing for anything else (another version, a number
// too many or too few, one that is not a plain 32-bit integer).
std::optional<SharedPet> ReadShareFragment(std::string_view fragment);

}  // namespace petcalc::book

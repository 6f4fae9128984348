#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "form/stats.h"

namespace petcalc {

// What the two calculations give for a pet's stats outside any window: the same arithmetic as the
// clicks, for a book that keeps each pet a player weighed and computes its results from its stats
// alone. Numbers only, no Currency: the front ends see these.

// A pet's twelve stats, as a click gathers them from form::StatBox(0) .. StatBox(11): Level to
// Inspiration as obtained, then now.
using PetStats = std::array<std::int32_t, form::kStatBoxCount>;

// The growth calculation's results, in ten-thousandths: each grown stat's growth per level
// (form::kGrownStats's order), the Attack + Defence + Agility sum and that sum with Inspiration.
struct Growth {
  std::array<std::int64_t, form::kGrownStatCount> per_level{};
  std::int64_t three_stat = 0;
  std::int64_t total = 0;

  friend bool operator==(const Growth&, const Growth&) = default;
};

// The five predicted stats at a target level, in form::kGrownStats's order.
using Prediction = std::array<std::int32_t, form::kGrownStatCount>;

// What "计 算" shows for `stats`; nothing where it refuses (equal levels) or ends in an error.
std::optional<Growth> GrowthOf(const PetStats& stats);

// What "预 测" shows for `stats` at `target_level`; nothing where it refuses (the target or the
// current level at the initial one) or ends in an error.
std::optional<Prediction> PredictionOf(const PetStats& stats, std::int32_t target_level);

// The texts the window writes: a growth or a sum (2.5, 0.3333, -2), a whole number (-4).
std::u16string GrowthText(std::int64_t ten_thousandths);
std::u16string WholeText(std::int32_t value);

}  // namespace petcalc

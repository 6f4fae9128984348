// What the book computes from a pet's stats alone, against what the window shows for them.
#include "calc/pet_results.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/utf8.h"

namespace petcalc {
namespace {

constexpr std::int32_t kMin = -2147483647 - 1;

PetStats Stats(std::array<std::int32_t, 6> initial, std::array<std::int32_t, 6> current) {
  PetStats stats{};
  std::copy(initial.begin(), initial.end(), stats.begin());
  std::copy(current.begin(), current.end(), stats.begin() + 6);
  return stats;
}

std::string Shown(const std::optional<Growth>& growth) {
  if (!growth) return "refused";
  std::string shown;
  for (const std::int64_t units : growth->per_level) shown += ToUtf8(GrowthText(units)) + " ";
  return shown + "| " + ToUtf8(GrowthText(growth->three_stat)) + " " +
         ToUtf8(GrowthText(growth->total));
}

std::string Shown(const std::optional<Prediction>& prediction) {
  if (!prediction) return "refused";
  std::string shown;
  for (const std::int32_t value : *prediction) shown += ToUtf8(WholeText(value)) + " ";
  return shown;
}

TEST(GrowthOf, GivesWhatTheGrowthClickShowsOrNothingWhereItRefusesOrFails) {
  const struct {
    const char* why;
    PetStats stats;
    std::string shown;
  } cases[] = {
      {"the typical pet", Stats({1, 50, 20, 30, 10, 10}, {11, 75, 50, 60, 30, 30}),
       "2.5 3 3 2 2 | 8 10"},
      {"thirds round to four places", Stats({1, 0, 0, 0, 0, 0}, {4, 1, 2, 1000, -1, 0}),
       "0.3333 0.6667 333.3333 -0.3333 0 | 333.6667 333.6667"},
      {"ties go to even", Stats({1, 0, 0, 0, 0, 0}, {33, 1, 3, -1, 0, 0}),
       "0.0312 0.0938 -0.0312 0 0 | 0.0626 0.0626"},
      {"a falling level divides by a negative gain",
       Stats({11, 75, 0, 0, 0, 0}, {1, 50, 0, 0, 0, 0}), "2.5 0 0 0 0 | 0 0"},
      {"equal levels are refused", Stats({5, 1, 2, 3, 4, 5}, {5, 9, 9, 9, 9, 9}), "refused"},
      {"the level gain overflows", Stats({kMin, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0}), "refused"},
      {"an Attack difference overflows", Stats({1, 0, kMin, 0, 0, 0}, {2, 0, 1, 0, 0, 0}),
       "refused"},
      {"the largest growth", Stats({1, 0, 0, 0, 0, 0}, {0, kMin, 0, 0, 0, 0}),
       "2147483648 0 0 0 0 | 0 0"},
  };
  for (const auto& c : cases) EXPECT_EQ(Shown(GrowthOf(c.stats)), c.shown) << c.why;
}

TEST(PredictionOf, GivesWhatThePredictionClickShowsOrNothingWhereItRefusesOrFails) {
  const PetStats tied = Stats({1, 120, 30, 25, 20, 20}, {11, 143, 47, 39, 35, 25});
  const struct {
    const char* why;
    PetStats stats;
    std::int32_t target;
    std::string shown;
  } cases[] = {
      {"the typical pet", Stats({1, 50, 20, 30, 10, 10}, {11, 75, 50, 60, 30, 30}), 21,
       "100 80 90 50 50 "},
      {"two ties, one up and one down", tied, 30, "187 79 66 64 34 "},
      {"a target below the initial level", tied, -9, "97 13 11 5 15 "},
      {"the target at the initial level", tied, 1, "refused"},
      {"the current level at the initial one", Stats({3, 0, 0, 0, 0, 0}, {3, 5, 0, 0, 0, 0}), 9,
       "refused"},
      {"the product overflows", Stats({1, 0, 0, 0, 0, 0}, {100001, 100000, 0, 0, 0, 0}), 100001,
       "refused"},
      {"the rounding overflows", Stats({0, 2000000000, 0, 0, 0, 0}, {1, 2000000001, 0, 0, 0, 0}),
       2000000000, "refused"},
  };
  for (const auto& c : cases) EXPECT_EQ(Shown(PredictionOf(c.stats, c.target)), c.shown) << c.why;
}

}  // namespace
}  // namespace petcalc

#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "calc/stat_sheet.h"
#include "form/stats.h"

namespace petcalc {

// Where the sheet keeps each stat of form::kStats, Level to Inspiration: the gathered values and
// the raw answer of the last prompt for each of its two boxes.
struct StatFields {
  std::int32_t StatSheet::*initial;
  std::int32_t StatSheet::*current;
  std::u16string StatSheet::*initial_answer;
  std::u16string StatSheet::*current_answer;
};

inline constexpr std::array<StatFields, form::kStatCount> kStatFields{{
    {&StatSheet::a1, &StatSheet::b1, &StatSheet::a, &StatSheet::g},
    {&StatSheet::a2, &StatSheet::b2, &StatSheet::b, &StatSheet::h},
    {&StatSheet::a3, &StatSheet::b3, &StatSheet::c, &StatSheet::i},
    {&StatSheet::a4, &StatSheet::b4, &StatSheet::d, &StatSheet::j},
    {&StatSheet::a5, &StatSheet::b5, &StatSheet::e, &StatSheet::k},
    {&StatSheet::a6, &StatSheet::b6, &StatSheet::f, &StatSheet::l},
}};

// Where the sheet keeps the value gathered from form::StatBox(index), and its box's last answer.
struct GatheredField {
  std::int32_t StatSheet::*value;
  std::u16string StatSheet::*answer;
};

constexpr GatheredField GatheredFieldOf(std::size_t index) {
  const StatFields& fields = kStatFields[index % form::kStatCount];
  return index < form::kStatCount ? GatheredField{fields.initial, fields.initial_answer}
                                  : GatheredField{fields.current, fields.current_answer};
}

// Where the two calculations store each grown stat of form::kGrownStats, Stamina to Inspiration.
struct GrownFields {
  Currency StatSheet::*growth;
  std::int32_t StatSheet::*prediction;
};

inline constexpr std::array<GrownFields, form::kGrownStatCount> kGrownFields{{
    {&StatSheet::growthStamina, &StatSheet::predStamina},
    {&StatSheet::growthAttack, &StatSheet::predAttack},
    {&StatSheet::growthDefence, &StatSheet::predDefence},
    {&StatSheet::growthAgility, &StatSheet::predAgility},
    {&StatSheet::growthInspiration, &StatSheet::predInspiration},
}};

// A grown stat as the calculations handle it: its boxes, its gathered values, its results.
struct GrownStat {
  const form::StatBoxes& boxes;
  const StatFields& stat;
  const GrownFields& results;
};

// Calls `visit` with each grown stat in turn, Stamina to Inspiration.
template <typename Visit>
void ForEachGrownStat(Visit&& visit) {
  for (std::size_t i = 0; i < form::kGrownStatCount; ++i) {
    visit(GrownStat{form::kGrownStats[i], kStatFields[form::kFirstGrownStat + i], kGrownFields[i]});
  }
}

}  // namespace petcalc

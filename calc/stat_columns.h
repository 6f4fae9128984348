#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/stat_sheet.h"

namespace petcalc {

// The five non-Level stats, in the order both calculations handle and show them, with the
// sheet fields and boxes each calculation uses for the stat.
struct StatColumn {
  std::int32_t StatSheet::*initial;
  std::int32_t StatSheet::*current;
  Currency StatSheet::*growth;
  std::string_view growth_box;
  std::int32_t StatSheet::*prediction;
  std::string_view prediction_box;
};

inline constexpr std::array<StatColumn, 5> kStatColumns{{
    {&StatSheet::a2, &StatSheet::b2, &StatSheet::growthStamina, "Text14", &StatSheet::predStamina,
     "Text42"},
    {&StatSheet::a3, &StatSheet::b3, &StatSheet::growthAttack, "Text15", &StatSheet::predAttack,
     "Text43"},
    {&StatSheet::a4, &StatSheet::b4, &StatSheet::growthDefence, "Text16", &StatSheet::predDefence,
     "Text44"},
    {&StatSheet::a5, &StatSheet::b5, &StatSheet::growthAgility, "Text17", &StatSheet::predAgility,
     "Text45"},
    {&StatSheet::a6, &StatSheet::b6, &StatSheet::growthInspiration, "Text18",
     &StatSheet::predInspiration, "Text46"},
}};

}  // namespace petcalc

#pragma once

#include <array>
#include <cstdint>

#include "calc/stat_sheet.h"
#include "form/controls.h"

namespace petcalc {

// The five non-Level stats, in the order both calculations handle and show them, with the
// sheet fields and boxes each calculation uses for the stat.
struct StatColumn {
  std::int32_t StatSheet::*initial;
  std::int32_t StatSheet::*current;
  Currency StatSheet::*growth;
  form::TextBox growth_box;
  std::int32_t StatSheet::*prediction;
  form::TextBox prediction_box;
};

inline constexpr std::array<StatColumn, 5> kStatColumns{{
    {&StatSheet::a2, &StatSheet::b2, &StatSheet::growthStamina, form::Text14,
     &StatSheet::predStamina, form::Text42},
    {&StatSheet::a3, &StatSheet::b3, &StatSheet::growthAttack, form::Text15, &StatSheet::predAttack,
     form::Text43},
    {&StatSheet::a4, &StatSheet::b4, &StatSheet::growthDefence, form::Text16,
     &StatSheet::predDefence, form::Text44},
    {&StatSheet::a5, &StatSheet::b5, &StatSheet::growthAgility, form::Text17,
     &StatSheet::predAgility, form::Text45},
    {&StatSheet::a6, &StatSheet::b6, &StatSheet::growthInspiration, form::Text18,
     &StatSheet::predInspiration, form::Text46},
}};

}  // namespace petcalc

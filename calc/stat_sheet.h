#pragma once

#include <cstdint>
#include <string>

#include "core/currency.h"

namespace petcalc {

// The window's own record of numbers. It lives as long as the window and nothing resets it
// between clicks: gathering rewrites a1..b6 on every click, the growth calculation owns the
// Currency fields and the prediction owns targetLevel and the pred* fields.
struct StatSheet {
  // Initial Level, Stamina, Attack, Defence, Agility, Inspiration.
  std::int32_t a1 = 0, a2 = 0, a3 = 0, a4 = 0, a5 = 0, a6 = 0;
  // Current Level, Stamina, Attack, Defence, Agility, Inspiration.
  std::int32_t b1 = 0, b2 = 0, b3 = 0, b4 = 0, b5 = 0, b6 = 0;

  Currency levelGain;
  Currency growthStamina, growthAttack, growthDefence, growthAgility, growthInspiration;

  std::int32_t targetLevel = 0;
  std::int32_t predStamina = 0, predAttack = 0, predDefence = 0, predAgility = 0,
               predInspiration = 0;

  Currency threeStatGrowth;  // Attack + Defence + Agility growth
  Currency totalGrowth;      // Attack + Defence + Agility + Inspiration growth

  // The raw text of the most recent prompt answer for Text1..Text12 respectively.
  std::u16string a, b, c, d, e, f, g, h, i, j, k, l;
};

}  // namespace petcalc

#pragma once

#include <cstdint>

#include "core/currency.h"

namespace petcalc {

// The arithmetic of the two calculations, one stat at a time, for the clicks and for what the
// book computes from a pet's stats alike. Each raises CalcError where a click would.

// (current − initial) ÷ level_gain, to the nearest ten-thousandth, ties to even: the difference
// checked in 32 bits, the quotient in double precision and checked.
Currency GrowthPerLevel(std::int32_t initial, std::int32_t current, Currency level_gain);

// Attack + Defence + Agility growth, added left to right by CurrencyAdd; and that sum's terms
// added afresh with the Inspiration growth.
Currency ThreeStatSum(Currency attack, Currency defence, Currency agility);
Currency TotalSum(Currency attack, Currency defence, Currency agility, Currency inspiration);

// (current − initial) × target_span ÷ level_span + initial, rounded to a whole number, ties to
// even: the difference and the product checked in 32 bits, the rest in double precision.
std::int32_t PredictAt(std::int32_t initial, std::int32_t current, std::int32_t target_span,
                       std::int32_t level_span);

}  // namespace petcalc

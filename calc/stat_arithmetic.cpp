#include "calc/stat_arithmetic.h"

#include "core/float_status.h"
#include "core/whole_number.h"

namespace petcalc {

Currency GrowthPerLevel(std::int32_t initial, std::int32_t current, Currency level_gain) {
  const std::int32_t difference = CheckedSub32(current, initial);
  // The status check never fires for a click: the refusal of equal levels leaves no zero divisor.
  return ToCurrency(CheckedQuotient(difference, CurrencyToDouble(level_gain)));
}

Currency ThreeStatSum(Currency attack, Currency defence, Currency agility) {
  return CurrencyAdd(CurrencyAdd(attack, defence), agility);
}

Currency TotalSum(Currency attack, Currency defence, Currency agility, Currency inspiration) {
  return CurrencyAdd(CurrencyAdd(CurrencyAdd(attack, defence), agility), inspiration);
}

std::int32_t PredictAt(std::int32_t initial, std::int32_t current, std::int32_t target_span,
                       std::int32_t level_span) {
  const std::int32_t product = CheckedMul32(CheckedSub32(current, initial), target_span);
  // The status check never fires for a click: the refusal of a zero span leaves no zero divisor.
  return ToInt32(CheckedQuotientPlus(product, level_span, initial));
}

}  // namespace petcalc

#include "calc/pet_results.h"

#include "calc/stat_arithmetic.h"
#include "core/calc_error.h"
#include "core/currency.h"
#include "core/whole_number.h"

namespace petcalc {
namespace {

std::int32_t Initial(const PetStats& stats, std::size_t stat) { return stats[stat]; }
std::int32_t Current(const PetStats& stats, std::size_t stat) {
  return stats[form::kStatCount + stat];
}

// The growth and the prediction, their arithmetic free to throw. Each is called from one place in
// a try, and kept out of line there: under Emscripten's exceptions every call inside a try goes
// out through JavaScript and back, once a growth rather than once an arithmetic step.
[[gnu::noinline]] std::optional<Growth> ComputeGrowth(const PetStats& stats) {
  const std::int32_t gain =
      CheckedSub32(Current(stats, form::kLevel), Initial(stats, form::kLevel));
  if (gain == 0) return std::nullopt;
  const Currency level_gain = CurrencyFromInt32(gain);
  std::array<Currency, form::kStatCount> per_level{};  // by stat; Level's stays zero
  Growth growth;
  for (std::size_t stat = form::kFirstGrownStat; stat < form::kStatCount; ++stat) {
    per_level[stat] = GrowthPerLevel(Initial(stats, stat), Current(stats, stat), level_gain);
    growth.per_level[stat - form::kFirstGrownStat] = per_level[stat].units();
  }
  using form::kAgility, form::kAttack, form::kDefence, form::kInspiration;
  growth.three_stat =
      ThreeStatSum(per_level[kAttack], per_level[kDefence], per_level[kAgility]).units();
  growth.total = TotalSum(per_level[kAttack], per_level[kDefence], per_level[kAgility],
                          per_level[kInspiration])
                     .units();
  return growth;
}

[[gnu::noinline]] std::optional<Prediction> ComputePrediction(const PetStats& stats,
                                                              std::int32_t target_level) {
  const std::int32_t level = Initial(stats, form::kLevel);
  const std::int32_t target_span = CheckedSub32(target_level, level);
  const std::int32_t level_span = CheckedSub32(Current(stats, form::kLevel), level);
  if (target_span == 0 || level_span == 0) return std::nullopt;
  Prediction prediction{};
  for (std::size_t stat = form::kFirstGrownStat; stat < form::kStatCount; ++stat) {
    prediction[stat - form::kFirstGrownStat] =
        PredictAt(Initial(stats, stat), Current(stats, stat), target_span, level_span);
  }
  return prediction;
}

}  // namespace

std::optional<Growth> GrowthOf(const PetStats& stats) {
  try {
    return ComputeGrowth(stats);
  } catch (const CalcError&) {
    return std::nullopt;
  }
}

std::optional<Prediction> PredictionOf(const PetStats& stats, std::int32_t target_level) {
  try {
    return ComputePrediction(stats, target_level);
  } catch (const CalcError&) {
    return std::nullopt;
  }
}

std::u16string GrowthText(std::int64_t ten_thousandths) {
  return CurrencyToText(Currency::FromUnits(ten_thousandths));
}

std::u16string WholeText(std::int32_t value) { return Int32ToText(value); }

}  // namespace petcalc

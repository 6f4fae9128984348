#include "calc/compute_growth.h"

#include "calc/dialog_title.h"
#include "calc/stat_arithmetic.h"
#include "calc/stat_fields.h"
#include "calc/stat_sheet.h"
#include "core/currency.h"
#include "core/text.h"
#include "core/whole_number.h"
#include "form/controls.h"
#include "runtime/forms_runtime.h"

namespace petcalc {
namespace {

bool RefusesGrowth(FormsRuntime& form, const StatSheet& sheet) {
  const std::u16string level_before = form.GetText(form::kStats[form::kLevel].initial);
  const std::u16string level_now = form.GetText(form::kStats[form::kLevel].current);
  // All three conditions are evaluated, so the subtraction can overflow even when a box is empty.
  const bool now_empty = IsEmptyText(level_now);
  const bool before_empty = IsEmptyText(level_before);
  const bool no_gain = CheckedSub32(sheet.b1, sheet.a1) == 0;
  return now_empty || before_empty || no_gain;
}

void ComputeGrowthValues(FormsRuntime& form, StatSheet& sheet) {
  sheet.levelGain = CurrencyFromInt32(CheckedSub32(sheet.b1, sheet.a1));
  ForEachGrownStat([&](const GrownStat& grown) {
    sheet.*grown.results.growth =
        GrowthPerLevel(sheet.*grown.stat.initial, sheet.*grown.stat.current, sheet.levelGain);
    form.SetText(grown.boxes.growth, CurrencyToText(sheet.*grown.results.growth));
  });
}

void WriteGrowthSums(FormsRuntime& form, StatSheet& sheet) {
  sheet.threeStatGrowth =
      ThreeStatSum(sheet.growthAttack, sheet.growthDefence, sheet.growthAgility);
  form.SetText(form::Text25, CurrencyToText(sheet.threeStatGrowth));
  sheet.totalGrowth = TotalSum(sheet.growthAttack, sheet.growthDefence, sheet.growthAgility,
                               sheet.growthInspiration);
  form.SetText(form::Text26, CurrencyToText(sheet.totalGrowth));
}

}  // namespace

bool ComputeGrowth(FormsRuntime& form, StatSheet& sheet) {
  const bool refused = RefusesGrowth(form, sheet);
  if (refused) {
    form.MsgBox(u"对不起无法计算", kDialogTitle);
  } else {
    ComputeGrowthValues(form, sheet);
  }
  WriteGrowthSums(form, sheet);
  return !refused;
}

}  // namespace petcalc

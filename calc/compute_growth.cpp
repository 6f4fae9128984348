#include "calc/compute_growth.h"

#include "calc/dialog_title.h"
#include "calc/stat_columns.h"
#include "calc/stat_sheet.h"
#include "core/currency.h"
#include "core/float_status.h"
#include "core/text.h"
#include "core/whole_number.h"
#include "form/controls.h"
#include "runtime/forms_runtime.h"

namespace petcalc {
namespace {

bool RefusesGrowth(FormsRuntime& form, const StatSheet& sheet) {
  const std::u16string level_before = form.GetText(form::Text1);
  const std::u16string level_now = form.GetText(form::Text7);
  // All three conditions are evaluated, so the subtraction can overflow even when a box is empty.
  const bool now_empty = IsEmptyText(level_now);
  const bool before_empty = IsEmptyText(level_before);
  const bool no_gain = CheckedSub32(sheet.b1, sheet.a1) == 0;
  return now_empty || before_empty || no_gain;
}

void ComputeGrowthValues(FormsRuntime& form, StatSheet& sheet) {
  sheet.levelGain = CurrencyFromInt32(CheckedSub32(sheet.b1, sheet.a1));
  for (const StatColumn& stat : kStatColumns) {
    const std::int32_t difference = CheckedSub32(sheet.*stat.current, sheet.*stat.initial);
    // The status check never fires here: the refusal of equal levels leaves no zero divisor.
    const double quotient = CheckedQuotient(difference, CurrencyToDouble(sheet.levelGain));
    sheet.*stat.growth = ToCurrency(quotient);
    form.SetText(stat.growth_box, CurrencyToText(sheet.*stat.growth));
  }
}

void WriteGrowthSums(FormsRuntime& form, StatSheet& sheet) {
  sheet.threeStatGrowth =
      CurrencyAdd(CurrencyAdd(sheet.growthAttack, sheet.growthDefence), sheet.growthAgility);
  form.SetText(form::Text25, CurrencyToText(sheet.threeStatGrowth));
  sheet.totalGrowth = CurrencyAdd(
      CurrencyAdd(CurrencyAdd(sheet.growthAttack, sheet.growthDefence), sheet.growthAgility),
      sheet.growthInspiration);
  form.SetText(form::Text26, CurrencyToText(sheet.totalGrowth));
}

}  // namespace

void ComputeGrowth(FormsRuntime& form, StatSheet& sheet) {
  if (RefusesGrowth(form, sheet)) {
    form.MsgBox(u"对不起无法计算", kDialogTitle);
  } else {
    ComputeGrowthValues(form, sheet);
  }
  WriteGrowthSums(form, sheet);
}

}  // namespace petcalc

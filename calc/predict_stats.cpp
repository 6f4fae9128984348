#include "calc/predict_stats.h"

#include <string>

#include "calc/dialog_title.h"
#include "calc/stat_columns.h"
#include "calc/stat_sheet.h"
#include "core/float_status.h"
#include "core/text.h"
#include "core/val.h"
#include "core/whole_number.h"
#include "form/controls.h"
#include "runtime/forms_runtime.h"

namespace petcalc {
namespace {

std::int32_t Predict(std::int32_t initial, std::int32_t current, std::int32_t target_span,
                     std::int32_t level_span) {
  const std::int32_t product = CheckedMul32(CheckedSub32(current, initial), target_span);
  // The status check never fires here: the refusal of a zero span leaves no zero divisor.
  return ToInt32(CheckedQuotientPlus(product, level_span, initial));
}

}  // namespace

void PredictStats(FormsRuntime& form, StatSheet& sheet) {
  const std::u16string target_text = form.GetText(form::Text41);
  if (IsEmptyText(target_text)) {
    form.MsgBox(u"开什么玩笑 仔细检查预测等级", kDialogTitle);
    return;
  }
  sheet.targetLevel = ToInt32(Val(target_text));

  const std::int32_t target_span = CheckedSub32(sheet.targetLevel, sheet.a1);
  const std::int32_t level_span = CheckedSub32(sheet.b1, sheet.a1);
  if (target_span == 0 || level_span == 0) {
    form.MsgBox(u"对不起无法预测", kDialogTitle);
    return;
  }

  for (const StatColumn& stat : kStatColumns) {
    sheet.*stat.prediction =
        Predict(sheet.*stat.initial, sheet.*stat.current, target_span, level_span);
  }
  for (const StatColumn& stat : kStatColumns) {
    form.SetText(stat.prediction_box, Int32ToText(sheet.*stat.prediction));
  }
}

}  // namespace petcalc

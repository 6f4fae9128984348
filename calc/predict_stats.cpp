#include "calc/predict_stats.h"

#include <string>

#include "calc/dialog_title.h"
#include "calc/stat_arithmetic.h"
#include "calc/stat_fields.h"
#include "calc/stat_sheet.h"
#include "core/text.h"
#include "core/val.h"
#include "core/whole_number.h"
#include "form/stats.h"
#include "runtime/forms_runtime.h"

namespace petcalc {

bool PredictStats(FormsRuntime& form, StatSheet& sheet) {
  const std::u16string target_text = form.GetText(form::kTargetLevelBox);
  if (IsEmptyText(target_text)) {
    form.MsgBox(u"开什么玩笑 仔细检查预测等级", kDialogTitle);
    return false;
  }
  sheet.targetLevel = ToInt32(Val(target_text));

  const std::int32_t target_span = CheckedSub32(sheet.targetLevel, sheet.a1);
  const std::int32_t level_span = CheckedSub32(sheet.b1, sheet.a1);
  if (target_span == 0 || level_span == 0) {
    form.MsgBox(u"对不起无法预测", kDialogTitle);
    return false;
  }

  ForEachGrownStat([&](const GrownStat& grown) {
    sheet.*grown.results.prediction =
        PredictAt(sheet.*grown.stat.initial, sheet.*grown.stat.current, target_span, level_span);
  });
  ForEachGrownStat([&](const GrownStat& grown) {
    form.SetText(grown.boxes.prediction, Int32ToText(sheet.*grown.results.prediction));
  });
  return true;
}

}  // namespace petcalc

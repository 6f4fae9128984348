#include "calc/click_actions.h"

#include "calc/compute_growth.h"
#include "calc/predict_stats.h"
#include "core/calc_error.h"
#include "core/gather_stat_sheet.h"
#include "runtime/forms_runtime.h"

namespace petcalc {
namespace {

using Calculation = void (*)(FormsRuntime&, StatSheet&);

// The one place a CalcError is caught: it ends the click, never the program.
void RunClick(FormsRuntime& form, StatSheet& sheet, Calculation calculation) {
  try {
    GatherStatSheet(form, sheet);
    calculation(form, sheet);
  } catch (const CalcError& error) {
    form.ReportError(error.number(), error.description());
  }
}

}  // namespace

void Command1Click(FormsRuntime& form, StatSheet& sheet) { RunClick(form, sheet, ComputeGrowth); }

void Command2Click(FormsRuntime& form, StatSheet& sheet) { RunClick(form, sheet, PredictStats); }

}  // namespace petcalc

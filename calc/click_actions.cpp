#include "calc/click_actions.h"

#include <exception>

#include "calc/compute_growth.h"
#include "calc/error_text.h"
#include "calc/gather_stat_sheet.h"
#include "calc/predict_stats.h"
#include "core/calc_error.h"
#include "runtime/forms_runtime.h"

namespace petcalc {
namespace {

using Calculation = void (*)(FormsRuntime&, StatSheet&);

void Report(FormsRuntime& form, std::u16string_view text) noexcept {
  try {
    form.ReportError(text);
  } catch (...) {  // NOLINT(bugprone-empty-catch): a window that cannot show it has no other way
  }
}

// The one place a click's exceptions are caught: each ends the click, never the program, and
// none reaches the toolkit's event dispatch.
void RunClick(FormsRuntime& form, StatSheet& sheet, Calculation calculation) noexcept {
  try {
    GatherStatSheet(form, sheet);
    calculation(form, sheet);
  } catch (const CalcError& error) {
    Report(form, ErrorText(error));
  } catch (const std::exception& failure) {
    Report(form, FailureText(failure.what()));
  } catch (...) {
    Report(form, FailureText("unknown failure"));
  }
}

}  // namespace

void Command1Click(FormsRuntime& form, StatSheet& sheet) noexcept {
  RunClick(form, sheet, ComputeGrowth);
}

void Command2Click(FormsRuntime& form, StatSheet& sheet) noexcept {
  RunClick(form, sheet, PredictStats);
}

void Click(form::Control clicked, FormsRuntime& form, StatSheet& sheet) noexcept {
  if (clicked == form::Command1) Command1Click(form, sheet);
  if (clicked == form::Command2) Command2Click(form, sheet);
}

}  // namespace petcalc

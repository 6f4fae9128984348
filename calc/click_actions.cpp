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

using Calculation = bool (*)(FormsRuntime&, StatSheet&);

void Report(FormsRuntime& form, std::u16string_view text) noexcept {
  try {
    form.ReportError(text);
  } catch (...) {  // NOLINT(bugprone-empty-catch): a window that cannot show it has no other way
  }
}

// The one place a click's exceptions are caught: each ends the click, never the program, and
// none reaches the toolkit's event dispatch.
bool RunClick(FormsRuntime& form, StatSheet& sheet, Calculation calculation) noexcept {
  try {
    GatherStatSheet(form, sheet);
    return calculation(form, sheet);
  } catch (const CalcError& error) {
    Report(form, ErrorText(error));
  } catch (const std::exception& failure) {
    Report(form, FailureText(failure.what()));
  } catch (...) {
    Report(form, FailureText("unknown failure"));
  }
  return false;
}

}  // namespace

bool Command1Click(FormsRuntime& form, StatSheet& sheet) noexcept {
  return RunClick(form, sheet, ComputeGrowth);
}

bool Command2Click(FormsRuntime& form, StatSheet& sheet) noexcept {
  return RunClick(form, sheet, PredictStats);
}

bool Click(form::Control clicked, FormsRuntime& form, StatSheet& sheet) noexcept {
  if (clicked == form::Command1) return Command1Click(form, sheet);
  if (clicked == form::Command2) return Command2Click(form, sheet);
  return false;
}

}  // namespace petcalc

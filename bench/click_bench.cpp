#include <benchmark/benchmark.h>

#include "calc/calculator.h"
#include "calc/click_actions.h"
#include "calc/stat_sheet.h"
#include "tests/support/scripted_runtime.h"

namespace petcalc {
namespace {

using petcalc::testing::ScriptedRuntime;

// Twelve filled boxes and a target: each click gathers, computes and writes, with no prompt.
void FillBoxes(ScriptedRuntime& form) {
  petcalc::testing::TypeStats(form, {1, 120, 30, 25, 20, 20}, {11, 143, 47, 39, 35, 25});
  form.Type(form::Text41, u"30");
}

template <bool (*Click)(FormsRuntime&, StatSheet&)>
void BM_Click(benchmark::State& state) {
  ScriptedRuntime form;
  FillBoxes(form);
  StatSheet sheet;
  for (auto _ : state) {
    form.ClearLog();
    Click(form, sheet);
    benchmark::DoNotOptimize(sheet);
  }
}

BENCHMARK(BM_Click<Command1Click>)->Name("BM_Click/growth");
BENCHMARK(BM_Click<Command2Click>)->Name("BM_Click/prediction");

// The window's calculator, alone and telling an observer that does nothing: what a front end
// that keeps a book pays for being told.
class Unheeding : public ClickObserver {
 public:
  void Finished(const FinishedClick& click) noexcept override { benchmark::DoNotOptimize(click); }
};

void BM_CalculatorClick(benchmark::State& state) {
  ScriptedRuntime form;
  FillBoxes(form);
  Unheeding observer;
  Calculator calculator(form, state.range(0) != 0 ? &observer : nullptr);
  const form::Button button = state.range(1) != 0 ? form::Command2 : form::Command1;
  for (auto _ : state) {
    form.ClearLog();
    calculator.Click(button);
  }
}

BENCHMARK(BM_CalculatorClick)->ArgsProduct({{0, 1}, {0, 1}})->ArgNames({"observed", "prediction"});

}  // namespace
}  // namespace petcalc

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>

#include "bench/floor_form.h"
#include "qt/form1.h"
#include "tests/qt/qt_form.h"
#include "tests/support/scripted_runtime.h"
#include "tests/support/typical_pet.h"

namespace petcalc {
namespace {

// Building and showing, including the first paint, which is where fonts and images are used.
template <typename Build>
void ShowAndPaint(benchmark::State& state, Build build) {
  for (auto _ : state) {
    auto window = build();
    window->show();
    benchmark::DoNotOptimize(window->grab());
  }
}

void BM_Window_Form1(benchmark::State& state) {
  ShowAndPaint(state, [] { return std::make_unique<qt::Form1>(); });
}

void BM_Window_Floor(benchmark::State& state) { ShowAndPaint(state, bench::BuildFloorWindow); }

BENCHMARK(BM_Window_Form1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Window_Floor)->Unit(benchmark::kMicrosecond);

// A megabyte in a stat box and in the target box: putting it there, and then both buttons.
class MegabyteWindow : public testing::QtForm {
 public:
  MegabyteWindow() : QtForm(Dialogs::kScripted) {
    window().show();
    PutStats(testing::kTypicalStats);
  }

  void Paste() {
    Put(form::Text2, QStringLiteral("50") + QString(1 << 20, u' '));
    Put(form::Text41, QStringLiteral("21") + QString(1 << 20, u'x'));
  }
  void ClickBoth() {
    Control(form::Command1)->click();
    Control(form::Command2)->click();
  }
  bool Correct() {
    return Text(form::Text14) == QStringLiteral("2.5") &&
           Text(form::Text42) == QStringLiteral("100") && script().Dialogs().empty();
  }
};

void BM_Window_PasteMegabyte(benchmark::State& state) {
  MegabyteWindow window;
  for (auto _ : state) {
    window.Paste();
    QApplication::processEvents();
  }
}

void BM_Window_ClicksWithMegabyteBoxes(benchmark::State& state) {
  MegabyteWindow window;
  window.Paste();
  for (auto _ : state) {
    window.ClickBoth();
  }
  if (!window.Correct()) state.SkipWithError("wrong results");
}

// The same clicks, followed by the repaint they cause, as the user waits for it.
void BM_Window_ClicksAndRepaintWithMegabyteBoxes(benchmark::State& state) {
  MegabyteWindow window;
  window.Paste();
  QApplication::processEvents();
  for (auto _ : state) {
    window.ClickBoth();
    QApplication::processEvents();
  }
  if (!window.Correct()) state.SkipWithError("wrong results");
}

BENCHMARK(BM_Window_PasteMegabyte)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Window_ClicksWithMegabyteBoxes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Window_ClicksAndRepaintWithMegabyteBoxes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace petcalc

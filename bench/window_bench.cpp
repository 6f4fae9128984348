#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include "bench/floor_form.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/application.h"
#include "ui/form1.h"

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
  ShowAndPaint(state, [] { return std::make_unique<ui::Form1>(); });
}

void BM_Window_Floor(benchmark::State& state) { ShowAndPaint(state, bench::BuildFloorWindow); }

BENCHMARK(BM_Window_Form1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Window_Floor)->Unit(benchmark::kMicrosecond);

// A pasted megabyte in a stat box and in the target box, then both buttons.
void BM_Window_PasteMegabyteAndClick(benchmark::State& state) {
  std::vector<std::string> log;
  ui::Form1 form(std::make_unique<testing::ScriptedDialogs>(log));
  form.show();
  const QStringList stats = {QStringLiteral("1"),  QStringLiteral("50"), QStringLiteral("20"),
                             QStringLiteral("30"), QStringLiteral("10"), QStringLiteral("10"),
                             QStringLiteral("11"), QStringLiteral("75"), QStringLiteral("50"),
                             QStringLiteral("60"), QStringLiteral("30"), QStringLiteral("30")};
  for (int i = 0; i < stats.size(); ++i) {
    form.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(i + 1))->setText(stats[i]);
  }
  const QString stamina = QStringLiteral("50") + QString(1 << 20, u' ');
  const QString target = QStringLiteral("21") + QString(1 << 20, u'x');
  auto* command1 = form.findChild<QPushButton*>(QStringLiteral("Command1"));
  auto* command2 = form.findChild<QPushButton*>(QStringLiteral("Command2"));
  for (auto _ : state) {
    form.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(stamina);
    form.findChild<QLineEdit*>(QStringLiteral("Text41"))->setText(target);
    command1->click();
    command2->click();
    QApplication::processEvents();
  }
  if (form.findChild<QLineEdit*>(QStringLiteral("Text42"))->text() != QStringLiteral("100")) {
    state.SkipWithError("wrong prediction");
  }
}

BENCHMARK(BM_Window_PasteMegabyteAndClick)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace petcalc

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  petcalc::ui::SetUpApplication();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

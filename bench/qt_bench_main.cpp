// The main of the Qt benchmarks: a QApplication set up as the program's, offscreen unless the
// environment names a platform.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "qt/application.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  petcalc::qt::SetUpApplication();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

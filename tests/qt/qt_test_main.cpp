#include <gtest/gtest.h>

#include <QApplication>

#include "qt/application.h"

// GoogleTest's main for the window tests. CTest's test discovery runs the binary too, so the
// offscreen platform is chosen here whenever the environment names none. The C locale ensures
// that nothing Chinese comes from the system's language.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("LC_ALL", "C");
  qputenv("LANG", "C");
  qunsetenv("LANGUAGE");
  QApplication app(argc, argv);
  petcalc::qt::SetUpApplication();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

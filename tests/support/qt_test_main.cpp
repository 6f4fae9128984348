#include <gtest/gtest.h>

#include <QApplication>

#include "qt/application.h"

// GoogleTest's main for the window tests. CTest's test discovery runs the binary too, so the
// offscreen platform is chosen here whenever the environment names none.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  petcalc::qt::SetUpApplication();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

#include <QApplication>

#include "qt/application.h"
#include "qt/display.h"
#include "qt/form1.h"

int main(int argc, char* argv[]) {
  if (!petcalc::qt::HasDisplay()) return petcalc::qt::ExplainNoDisplay();
  QApplication app(argc, argv);
  petcalc::qt::SetUpApplication();
  petcalc::qt::Form1 window;
  window.show();
  return QApplication::exec();
}

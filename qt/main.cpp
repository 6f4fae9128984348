#include <QApplication>

#include "qt/application.h"
#include "qt/form1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  petcalc::qt::SetUpApplication();
  petcalc::qt::Form1 window;
  window.show();
  return QApplication::exec();
}

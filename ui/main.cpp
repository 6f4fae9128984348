#include <QApplication>

#include "ui/application.h"
#include "ui/form1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  petcalc::ui::SetUpApplication();
  petcalc::ui::Form1 window;
  window.show();
  return QApplication::exec();
}

// The floor program for bench/startup.sh: the bare widgets of floor_form, shown.
#include <QApplication>
#include <QWidget>

#include "bench/floor_form.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  auto window = petcalc::bench::BuildFloorWindow();
  window->show();
  return QApplication::exec();
}

// The floor program for bench/startup.sh: the bare widgets of floor_form, shown, in the same
// faces as the window: the interface font the application's, as SetUpApplication makes it.
#include <QApplication>
#include <QWidget>

#include "bench/floor_form.h"
#include "qt/fonts.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setFont(petcalc::qt::InterfaceFont());
  auto window = petcalc::bench::BuildFloorWindow();
  window->show();
  return QApplication::exec();
}

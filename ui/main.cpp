#include <QApplication>
#include <QIcon>

#include "ui/fonts.h"
#include "ui/form1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("petcalc"));
  QApplication::setApplicationVersion(QStringLiteral("1.00"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/petcalc.ico")));
  QApplication::setFont(petcalc::ui::InterfaceFont());

  petcalc::ui::Form1 window;
  window.show();
  return QApplication::exec();
}

#include "ui/application.h"

#include <QApplication>
#include <QIcon>

#include "ui/fonts.h"

namespace petcalc::ui {

void SetUpApplication() {
  QApplication::setApplicationName(QStringLiteral("petcalc"));
  QApplication::setApplicationVersion(QStringLiteral("1.00"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/petcalc.ico")));
  QApplication::setFont(InterfaceFont());
}

}  // namespace petcalc::ui

#include "qt/application.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QIcon>
#include <QTranslator>
#include <cstdio>

#include "petcalc_version.h"
#include "qt/fonts.h"
#include "qt/form1.h"
#include "qt/picture_pixels.h"

namespace petcalc::qt {
namespace {

// The application icon's images, from pixels decoded when the program was built.
QIcon ApplicationIcon() {
  QIcon icon;
  for (const PicturePixels* image : {&kIcon16, &kIcon32, &kIcon48}) {
    icon.addPixmap(QPixmap::fromImage(ToImage(*image)));
  }
  return icon;
}

// Screen readers announce the main window as a frame with its title; Qt would present a plain
// QWidget window as a nameless client area.
QAccessibleInterface* MainWindowAccessible(const QString& class_name, QObject* object) {
  if (class_name != QLatin1String(Form1::staticMetaObject.className())) return nullptr;
  return new QAccessibleWidget(qobject_cast<QWidget*>(object), QAccessible::Window);
}

}  // namespace

void SetUpApplication() {
  QApplication::setApplicationName(QStringLiteral("petcalc"));
  QApplication::setApplicationVersion(QStringLiteral(PETCALC_VERSION_TEXT));
  // The desktop entry's name, so that Wayland shells match the window to its entry and icon.
  QApplication::setDesktopFileName(QStringLiteral(PETCALC_APP_ID));
  QApplication::setWindowIcon(ApplicationIcon());
  QApplication::setFont(InterfaceFont());
  QAccessible::installFactory(MainWindowAccessible);
  InstallQtChinese();
}

bool InstallQtChinese(const QString& folder) {
  auto* catalogue = new QTranslator(QCoreApplication::instance());
  if (catalogue->load(QStringLiteral("qtbase_zh_CN"), folder)) {
    return QCoreApplication::installTranslator(catalogue);
  }
  delete catalogue;
  std::fprintf(stderr,
               "petcalc: qtbase_zh_CN.qm not found in %s (package qt6-translations-l10n); "
               "menus stay in English\n",
               qPrintable(folder));
  return false;
}

}  // namespace petcalc::qt

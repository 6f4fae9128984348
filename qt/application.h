#pragma once

#include <QLibraryInfo>
#include <QString>

namespace petcalc::qt {

// Names the program and its version (project() in CMakeLists.txt), gives every window the icon and
// the interface font, and speaks Chinese in Qt's own texts (InstallQtChinese). Call once, right
// after creating the QApplication.
void SetUpApplication();

// Installs Qt's own Simplified Chinese catalogue, qtbase_zh_CN.qm, from `folder`, so the boxes'
// context menus read 复制 and 全选 whatever the system locale. Where it is missing, writes one
// line of warning to stderr and gives false: the program runs on with English menus.
bool InstallQtChinese(const QString& folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

}  // namespace petcalc::qt

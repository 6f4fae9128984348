#include "qt/fonts.h"

#include <QFontDatabase>

#include "form/fonts.h"
#include "qt/qt_text.h"

namespace petcalc::qt {

QStringList SimplifiedChineseFamilies() {
  return {QStringLiteral("Noto Sans CJK SC"),
          QStringLiteral("Source Han Sans SC"),
          QStringLiteral("Source Han Sans CN"),
          QStringLiteral("WenQuanYi Micro Hei"),
          QStringLiteral("WenQuanYi Zen Hei"),
          QStringLiteral("Microsoft YaHei"),
          QStringLiteral("SimSun"),
          QStringLiteral("Droid Sans Fallback")};
}

QFont InterfaceFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setFamilies(SimplifiedChineseFamilies() << font.family());
  font.setPointSize(form::kInterfacePointSize);
  return font;
}

QStringList ButtonFamilies() {
  QStringList families;
  for (const std::u16string_view face : form::kButtonFaces) families << ToQString(face);
  return families << QStringLiteral("AR PL UKai CN") << QStringLiteral("AR PL KaitiM GB")
                  << SimplifiedChineseFamilies();
}

QFont ButtonFont() {
  QFont font;
  font.setFamilies(ButtonFamilies());
  font.setPointSize(form::kButtonPointSize);
  font.setBold(true);
  return font;
}

}  // namespace petcalc::qt

#include "ui/fonts.h"

#include <QFontDatabase>

namespace petcalc::ui {
namespace {

constexpr int kInterfacePointSize = 9;
constexpr int kButtonPointSize = 12;

}  // namespace

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
  font.setPointSize(kInterfacePointSize);
  return font;
}

QFont ButtonFont() {
  QFont font;
  font.setFamilies(QStringList{QStringLiteral("方正姚体"), QStringLiteral("FZYaoTi"),
                               QStringLiteral("AR PL UKai CN"), QStringLiteral("AR PL KaitiM GB")} +
                   SimplifiedChineseFamilies());
  font.setPointSize(kButtonPointSize);
  font.setBold(true);
  return font;
}

}  // namespace petcalc::ui

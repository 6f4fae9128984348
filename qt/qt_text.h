#pragma once

#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

namespace petcalc::qt {

inline QString ToQString(std::u16string_view text) {
  return QStringView(text.data(), static_cast<qsizetype>(text.size())).toString();
}

// Control names are ASCII.
inline QString ToQString(std::string_view name) {
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// The book's texts and captions are UTF-8.
inline QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace petcalc::qt

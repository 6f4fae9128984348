#pragma once

#include <QStringList>

#include "qt/qt_text.h"
#include "tests/support/scripted_runtime.h"

namespace petcalc::testing {

// kTypicalStats as the Qt texts of Text1..Text12.
inline QStringList TypicalStats() {
  QStringList stats;
  for (std::u16string_view stat : kTypicalStats) stats << qt::ToQString(stat);
  return stats;
}

}  // namespace petcalc::testing

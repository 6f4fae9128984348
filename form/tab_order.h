#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

#include "form/controls.h"

namespace petcalc::form {

namespace table {

constexpr bool IsTabStop(const ControlRow& row) {
  return row.kind == ControlKind::kTextBox || row.kind == ControlKind::kPushButton;
}

constexpr std::size_t TabStopCount() {
  return static_cast<std::size_t>(
      std::count_if(kForm1Controls.begin(), kForm1Controls.end(), IsTabStop));
}

}  // namespace table

// The text boxes and buttons in the order Tab visits them: ascending tab index, the labels and
// the picture skipped.
constexpr std::array<Control, table::TabStopCount()> TabOrder() {
  std::array<Control, table::TabStopCount()> stops{};
  std::size_t next = 0;
  for (const Control control : Control::All()) {
    if (table::IsTabStop(control.description())) stops[next++] = control;
  }
  std::sort(stops.begin(), stops.end(), [](Control a, Control b) {
    return a.description().tab_index < b.description().tab_index;
  });
  return stops;
}

// The control that has the focus when the window opens: the first of the tab order.
inline constexpr Control kFirstFocus = TabOrder()[0];

}  // namespace petcalc::form

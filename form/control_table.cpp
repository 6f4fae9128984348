#include "form/control_table.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace petcalc::form {

std::size_t ControlIndex(std::string_view name) {
  const auto* it = std::find_if(kForm1Controls.begin(), kForm1Controls.end(),
                                [name](const ControlRow& row) { return row.name == name; });
  if (it == kForm1Controls.end()) throw std::out_of_range("no control named " + std::string(name));
  return static_cast<std::size_t>(it - kForm1Controls.begin());
}

std::vector<std::size_t> TabOrder() {
  std::vector<std::size_t> stops;
  for (std::size_t i = 0; i < kForm1Controls.size(); ++i) {
    const ControlKind kind = kForm1Controls[i].kind;
    if (kind == ControlKind::kTextBox || kind == ControlKind::kPushButton) stops.push_back(i);
  }
  std::sort(stops.begin(), stops.end(), [](std::size_t a, std::size_t b) {
    return kForm1Controls[a].tab_index < kForm1Controls[b].tab_index;
  });
  return stops;
}

}  // namespace petcalc::form

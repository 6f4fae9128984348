#include "tests/support/scripted_runtime.h"

#include <stdexcept>
#include <utility>

#include "core/text.h"
#include "tests/support/utf8.h"

namespace petcalc::testing {

ScriptedRuntime::ScriptedRuntime() : DialogForwardingRuntime(dialogs_) {
  for (int n = 1; n <= 18; ++n) boxes_["Text" + std::to_string(n)];
  for (int n : {25, 26, 41, 42, 43, 44, 45, 46}) boxes_["Text" + std::to_string(n)];
}

void ScriptedRuntime::Type(std::string_view control, std::u16string_view text) {
  BoxRef(control) = text;
}

const std::u16string& ScriptedRuntime::Box(std::string_view control) const {
  const auto it = boxes_.find(control);
  if (it == boxes_.end()) throw std::logic_error("no box named " + std::string(control));
  return it->second;
}

std::u16string& ScriptedRuntime::BoxRef(std::string_view control) {
  return const_cast<std::u16string&>(std::as_const(*this).Box(control));
}

std::vector<std::string> ScriptedRuntime::Visible() const {
  std::vector<std::string> visible;
  for (const std::string& entry : log_) {
    if (!entry.starts_with("get ")) visible.push_back(entry);
  }
  return visible;
}

std::u16string ScriptedRuntime::GetText(std::string_view control) {
  log_.push_back("get " + std::string(control));
  return BoxRef(control);
}

void ScriptedRuntime::SetText(std::string_view control, std::u16string_view text) {
  log_.push_back("set " + std::string(control) + " = " + ToUtf8(text));
  BoxRef(control) = text;
}

void TypeStats(ScriptedRuntime& form, const std::vector<std::int64_t>& initial,
               const std::vector<std::int64_t>& current) {
  const auto type_row = [&form](const std::vector<std::int64_t>& row, int first_box) {
    for (std::size_t i = 0; i < row.size(); ++i) {
      form.Type("Text" + std::to_string(first_box + i), AsciiToText(std::to_string(row[i])));
    }
  };
  type_row(initial, 1);
  type_row(current, 7);
}

}  // namespace petcalc::testing

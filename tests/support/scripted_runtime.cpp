#include "tests/support/scripted_runtime.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "core/text.h"
#include "tests/support/utf8.h"

namespace petcalc::testing {
namespace {

bool IsDialog(const std::string& entry) {
  return entry.starts_with("InputBox ") || entry.starts_with("MsgBox ") ||
         entry.starts_with("error ");
}

}  // namespace

ScriptedRuntime::ScriptedRuntime() {
  for (int n = 1; n <= 18; ++n) boxes_["Text" + std::to_string(n)];
  for (int n : {25, 26, 41, 42, 43, 44, 45, 46}) boxes_["Text" + std::to_string(n)];
}

std::u16string* ScriptedRuntime::OwnBox(std::string_view control) {
  const auto it = boxes_.find(control);
  if (it != boxes_.end()) return &it->second;
  ADD_FAILURE() << "no box named " << control;
  return nullptr;
}

void ScriptedRuntime::Type(std::string_view control, std::u16string_view text) {
  if (window_ != nullptr) {
    window_->SetText(control, text);
  } else if (std::u16string* box = OwnBox(control)) {
    *box = text;
  }
}

std::u16string ScriptedRuntime::Box(std::string_view control) const {
  if (window_ != nullptr) return window_->GetText(control);
  const auto it = boxes_.find(control);
  if (it != boxes_.end()) return it->second;
  ADD_FAILURE() << "no box named " << control;
  return {};
}

std::vector<std::string> ScriptedRuntime::Visible() const {
  std::vector<std::string> visible;
  for (const std::string& entry : log_) {
    if (!entry.starts_with("get ")) visible.push_back(entry);
  }
  return visible;
}

std::vector<std::string> ScriptedRuntime::Dialogs() const {
  std::vector<std::string> dialogs;
  for (const std::string& entry : log_) {
    if (IsDialog(entry)) dialogs.push_back(entry);
  }
  return dialogs;
}

std::u16string ScriptedRuntime::GetText(std::string_view control) {
  log_.push_back("get " + std::string(control));
  return Box(control);
}

void ScriptedRuntime::SetText(std::string_view control, std::u16string_view text) {
  if (writes_until_failure_ > 0 && --writes_until_failure_ == 0) {
    throw std::runtime_error("the window failed to write " + std::string(control));
  }
  log_.push_back("set " + std::string(control) + " = " + ToUtf8(text));
  Type(control, text);
}

std::u16string ScriptedRuntime::InputBox(std::u16string_view prompt, std::u16string_view title) {
  log_.push_back("InputBox " + ToUtf8(prompt) + " | " + ToUtf8(title));
  if (answers_.empty()) {
    ADD_FAILURE() << "unexpected prompt: " << ToUtf8(prompt);
    return {};
  }
  std::u16string answer = std::move(answers_.front());
  answers_.pop_front();
  return answer;
}

void ScriptedRuntime::MsgBox(std::u16string_view prompt, std::u16string_view title) {
  log_.push_back("MsgBox " + ToUtf8(prompt) + " | " + ToUtf8(title));
}

void ScriptedRuntime::ReportError(std::u16string_view text) {
  log_.push_back("error " + ToUtf8(text));
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

#include "tests/support/scripted_runtime.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "core/text.h"
#include "runtime/utf8.h"
#include "tests/support/boxes.h"

namespace petcalc::testing {
namespace {

bool IsDialog(const std::string& entry) {
  return entry.starts_with("InputBox ") || entry.starts_with("MsgBox ") ||
         entry.starts_with("error ");
}

}  // namespace

void ScriptedRuntime::Type(form::TextBox box, std::u16string_view text) {
  if (window_ != nullptr) {
    window_->SetText(box, text);
  } else {
    boxes_[box] = text;
  }
}

std::u16string ScriptedRuntime::Box(form::TextBox box) const {
  return window_ != nullptr ? window_->GetText(box) : boxes_[box];
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

std::u16string ScriptedRuntime::GetText(form::TextBox box) {
  log_.push_back("get " + std::string(box.name()));
  return Box(box);
}

void ScriptedRuntime::SetText(form::TextBox box, std::u16string_view text) {
  if (writes_until_failure_ > 0 && --writes_until_failure_ == 0) {
    throw std::runtime_error("the window failed to write " + std::string(box.name()));
  }
  log_.push_back("set " + std::string(box.name()) + " = " + ToUtf8(text));
  Type(box, text);
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
  const auto type_row = [&form](const std::vector<std::int64_t>& row, std::size_t first) {
    for (std::size_t i = 0; i < row.size(); ++i) {
      form.Type(kStatBoxes[first + i], AsciiToText(std::to_string(row[i])));
    }
  };
  type_row(initial, 0);
  type_row(current, 6);
}

}  // namespace petcalc::testing

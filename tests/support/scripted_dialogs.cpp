#include "tests/support/scripted_dialogs.h"

#include <stdexcept>

#include "tests/support/utf8.h"

namespace petcalc::testing {

std::u16string ScriptedDialogs::InputBox(std::u16string_view prompt, std::u16string_view title) {
  log_.push_back("InputBox " + ToUtf8(prompt) + " | " + ToUtf8(title));
  if (answers_.empty()) throw std::logic_error("unexpected prompt: " + ToUtf8(prompt));
  std::u16string answer = std::move(answers_.front());
  answers_.pop_front();
  return answer;
}

void ScriptedDialogs::MsgBox(std::u16string_view prompt, int buttons, std::u16string_view title) {
  log_.push_back("MsgBox " + ToUtf8(prompt) + " | " + std::to_string(buttons) + " | " +
                 ToUtf8(title));
}

void ScriptedDialogs::ReportError(int number, std::u16string_view description) {
  log_.push_back("error " + std::to_string(number) + " " + ToUtf8(description));
}

}  // namespace petcalc::testing

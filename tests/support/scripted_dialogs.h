#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/dialogs.h"

namespace petcalc::testing {

// Dialogs without a screen: prompt answers come from a queue and every dialog is appended to a
// log, in UTF-8: "InputBox 请在输入当前灵感 | Tenvo友情提示",
// "MsgBox 对不起无法计算 | 0 | Tenvo友情提示", "error 6 溢出". A prompt with no answer queued
// throws std::logic_error, which no click catches, so the test fails.
class ScriptedDialogs : public Dialogs {
 public:
  // Appends to log, which may be shared with other recorders to keep one order.
  explicit ScriptedDialogs(std::vector<std::string>& log) : log_(log) {}

  // The answer of the next prompt; the empty text stands for a cancel.
  void QueueAnswer(std::u16string_view answer) { answers_.emplace_back(answer); }
  std::size_t PendingAnswers() const { return answers_.size(); }

  std::u16string InputBox(std::u16string_view prompt, std::u16string_view title) override;
  void MsgBox(std::u16string_view prompt, int buttons, std::u16string_view title) override;
  void ReportError(int number, std::u16string_view description) override;

 private:
  std::vector<std::string>& log_;
  std::deque<std::u16string> answers_;
};

}  // namespace petcalc::testing

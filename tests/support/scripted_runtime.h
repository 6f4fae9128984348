#pragma once

#include <deque>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/forms_runtime.h"

namespace petcalc::testing {

// A window for the calculations without a window: the 26 text boxes by name, prompt answers
// from a queue, and a log of every call in order, in UTF-8:
//   "get Text1", "set Text14 = 2.5", "InputBox 请在输入当前灵感 | Tenvo友情提示",
//   "MsgBox 对不起无法计算 | 0 | Tenvo友情提示", "error 6 溢出".
// A box name the window does not have, or a prompt with no answer queued, throws
// std::logic_error, which no click catches, so the test fails.
class ScriptedRuntime : public FormsRuntime {
 public:
  ScriptedRuntime();

  // What the user typed into a box before the click; not logged.
  void Type(std::string_view control, std::u16string_view text);
  // The answer of the next prompt; the empty text stands for a cancel.
  void QueueAnswer(std::u16string_view answer);

  const std::u16string& Box(std::string_view control) const;
  std::size_t PendingAnswers() const { return answers_.size(); }
  const std::vector<std::string>& Log() const { return log_; }
  // The log without the reads: the prompts, writes, messages and errors a user sees.
  std::vector<std::string> Visible() const;
  void ClearLog() { log_.clear(); }

  std::u16string GetText(std::string_view control) override;
  void SetText(std::string_view control, std::u16string_view text) override;
  std::u16string InputBox(std::u16string_view prompt, std::u16string_view title) override;
  void MsgBox(std::u16string_view prompt, int buttons, std::u16string_view title) override;
  void ReportError(int number, std::u16string_view description) override;

 private:
  std::u16string& BoxRef(std::string_view control);

  std::map<std::string, std::u16string, std::less<>> boxes_;
  std::deque<std::u16string> answers_;
  std::vector<std::string> log_;
};

}  // namespace petcalc::testing

namespace petcalc::testing {

// Types the six initial stats into Text1..Text6 and the six current ones into Text7..Text12.
void TypeStats(ScriptedRuntime& form, const std::vector<std::int64_t>& initial,
               const std::vector<std::int64_t>& current);

}  // namespace petcalc::testing

#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "form/controls.h"
#include "runtime/forms_runtime.h"

namespace petcalc::testing {

// A runtime for the clicks without a screen. Prompt answers come from a queue and every call is
// appended to one log, in order, in UTF-8:
//   "get Text1", "set Text14 = 2.5",
//   "InputBox 请在输入当前灵感 | Tenvo友情提示", "MsgBox 对不起无法计算 | Tenvo友情提示",
//   "error " followed by the error dialog's whole text.
// The boxes are its own 26, or, given a window's runtime, that window's real boxes. A prompt with
// no answer queued fails the running test.
class ScriptedRuntime : public FormsRuntime {
 public:
  ScriptedRuntime() = default;
  // Box text goes to and from `window`; only the dialogs are scripted.
  explicit ScriptedRuntime(FormsRuntime& window) : window_(&window) {}

  // What the user typed into a box before the click; not logged.
  void Type(form::TextBox box, std::u16string_view text);
  // The answer of the next prompt; the empty text stands for a cancel.
  void QueueAnswer(std::u16string_view answer) { answers_.emplace_back(answer); }
  // The window fails the nth write from now on (1 is the next), throwing std::runtime_error.
  void FailOnWrite(int nth) { writes_until_failure_ = nth; }

  std::u16string Box(form::TextBox box) const;
  std::size_t PendingAnswers() const { return answers_.size(); }
  const std::vector<std::string>& Log() const { return log_; }
  // The log without the reads: the prompts, writes, messages and errors a user sees.
  std::vector<std::string> Visible() const;
  // The dialogs alone.
  std::vector<std::string> Dialogs() const;
  void ClearLog() { log_.clear(); }

  std::u16string GetText(form::TextBox box) override;
  void SetText(form::TextBox box, std::u16string_view text) override;
  std::u16string InputBox(std::u16string_view prompt, std::u16string_view title) override;
  void MsgBox(std::u16string_view prompt, std::u16string_view title) override;
  void ReportError(std::u16string_view text) override;

 private:
  FormsRuntime* window_ = nullptr;
  form::PerControl<std::u16string> boxes_;
  std::deque<std::u16string> answers_;
  std::vector<std::string> log_;
  int writes_until_failure_ = 0;
};

// How the log shows the overflow error's dialog.
inline const std::string kOverflowEntry = "error 运行时错误 '6':\n\n溢出";

// Types the six initial stats into Text1..Text6 and the six current ones into Text7..Text12.
void TypeStats(ScriptedRuntime& form, const std::vector<std::int64_t>& initial,
               const std::vector<std::int64_t>& current);

}  // namespace petcalc::testing

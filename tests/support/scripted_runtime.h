#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/dialog_forwarding_runtime.h"
#include "tests/support/scripted_dialogs.h"

namespace petcalc::testing {

// A window for the calculations without a window: the 26 text boxes by name, the scripted
// dialogs, and one log of every call in order, in UTF-8: "get Text1", "set Text14 = 2.5",
// then the dialogs as ScriptedDialogs writes them. A box name the window does not have throws
// std::logic_error.
class ScriptedRuntime : public DialogForwardingRuntime {
 public:
  ScriptedRuntime();

  // What the user typed into a box before the click; not logged.
  void Type(std::string_view control, std::u16string_view text);
  void QueueAnswer(std::u16string_view answer) { dialogs_.QueueAnswer(answer); }

  const std::u16string& Box(std::string_view control) const;
  std::size_t PendingAnswers() const { return dialogs_.PendingAnswers(); }
  const std::vector<std::string>& Log() const { return log_; }
  // The log without the reads: the prompts, writes, messages and errors a user sees.
  std::vector<std::string> Visible() const;
  void ClearLog() { log_.clear(); }

  std::u16string GetText(std::string_view control) override;
  void SetText(std::string_view control, std::u16string_view text) override;
 private:
  std::u16string& BoxRef(std::string_view control);

  std::vector<std::string> log_;
  ScriptedDialogs dialogs_{log_};
  std::map<std::string, std::u16string, std::less<>> boxes_;
};

// Types the six initial stats into Text1..Text6 and the six current ones into Text7..Text12.
void TypeStats(ScriptedRuntime& form, const std::vector<std::int64_t>& initial,
               const std::vector<std::int64_t>& current);

}  // namespace petcalc::testing

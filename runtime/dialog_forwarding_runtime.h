#pragma once

#include "runtime/forms_runtime.h"

namespace petcalc {

// A runtime that keeps the boxes itself and has a separate Dialogs object show the dialogs, so
// the same boxes can be driven with real or scripted dialogs.
class DialogForwardingRuntime : public FormsRuntime {
 public:
  explicit DialogForwardingRuntime(Dialogs& dialogs) : dialogs_(dialogs) {}

  std::u16string InputBox(std::u16string_view prompt, std::u16string_view title) override {
    return dialogs_.InputBox(prompt, title);
  }
  void MsgBox(std::u16string_view prompt, int buttons, std::u16string_view title) override {
    dialogs_.MsgBox(prompt, buttons, title);
  }
  void ReportError(int number, std::u16string_view description) override {
    dialogs_.ReportError(number, description);
  }

 private:
  Dialogs& dialogs_;
};

}  // namespace petcalc

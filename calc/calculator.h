#pragma once

#include <memory>

#include "form/controls.h"

namespace petcalc {

class FormsRuntime;
struct StatSheet;

// One window's calculator: the window's StatSheet, which lives as long as the window and which
// nothing resets between clicks, and the runtime through which its clicks read and write the
// window's boxes and show its dialogs. Each front end holds one per window and hands it the
// window's clicks.
class Calculator {
 public:
  // `window` must outlive the calculator.
  explicit Calculator(FormsRuntime& window);
  ~Calculator();
  Calculator(const Calculator&) = delete;
  Calculator& operator=(const Calculator&) = delete;

  // What a click on `clicked` does: "计 算" and "预 测" run their click actions on the sheet
  // (Command1Click, Command2Click), any other control nothing. Never throws: a click that
  // fails is reported through the runtime and ends there.
  void Click(form::Control clicked) noexcept;

 private:
  FormsRuntime& window_;
  std::unique_ptr<StatSheet> sheet_;
};

}  // namespace petcalc

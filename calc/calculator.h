#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "calc/pet_results.h"
#include "form/controls.h"

namespace petcalc {

class FormsRuntime;
struct StatSheet;

// A click that ended with its results, neither refused nor ended by an error: what it gathered,
// for a window that keeps each pet its player weighed.
struct FinishedClick {
  enum class Kind { kGrowth, kPrediction };

  Kind kind;
  PetStats stats;               // the twelve stats the click gathered
  std::int32_t target_level{};  // the prediction's
};

// Told of every finished click, after the click has written its last box.
class ClickObserver {
 public:
  virtual ~ClickObserver() = default;
  virtual void Finished(const FinishedClick& click) noexcept = 0;
};

// One window's calculator: the window's StatSheet, which lives as long as the window and which
// nothing resets between clicks, and the runtime through which its clicks read and write the
// window's boxes and show its dialogs. Each front end holds one per window and hands it the
// window's clicks.
class Calculator {
 public:
  // `window` and `observer`, when there is one, must outlive the calculator.
  explicit Calculator(FormsRuntime& window, ClickObserver* observer = nullptr);
  ~Calculator();
  Calculator(const Calculator&) = delete;
  Calculator& operator=(const Calculator&) = delete;

  // What a click on `clicked` does: "计 算" and "预 测" run their click actions on the sheet
  // (Command1Click, Command2Click), any other control nothing. Never throws: a click that
  // fails is reported through the runtime and ends there. A click that ends with its results is
  // then told to the observer.
  void Click(form::Control clicked) noexcept;

  // The sheet as it stands, in its saved form (SavedSheet), for a window that outlives its page.
  std::u16string Saved() const;
  // Takes the sheet that `saved` describes, and gives true; or, where `saved` is damaged, foreign
  // or of another version, gives false and starts the sheet afresh, as a new window's.
  bool Restore(std::u16string_view saved);

 private:
  FormsRuntime& window_;
  ClickObserver* observer_;
  std::unique_ptr<StatSheet> sheet_;
};

}  // namespace petcalc

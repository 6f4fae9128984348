#pragma once

#include <string>
#include <string_view>

namespace petcalc {

// What the calculations need of the window they run in. Boxes are addressed by control name
// ("Text1"); texts are UTF-16. Implemented with Qt for the real window and by a scripted double
// in the tests.
class FormsRuntime {
 public:
  virtual ~FormsRuntime() = default;

  // The Text of a text box, possibly empty.
  virtual std::u16string GetText(std::string_view control) = 0;
  // Sets the Text of a text box; the box shows it at once.
  virtual void SetText(std::string_view control, std::u16string_view text) = 0;

  // A modal prompt with an empty edit field. Gives the typed text, or the empty text on
  // cancel or close.
  virtual std::u16string InputBox(std::u16string_view prompt, std::u16string_view title) = 0;

  // A modal message. buttons 0 is a single OK button and no icon, the only kind the
  // calculations show.
  virtual void MsgBox(std::u16string_view prompt, int buttons, std::u16string_view title) = 0;

  // Tells the user that a click ended with an error: its number and short description.
  virtual void ReportError(int number, std::u16string_view description) = 0;
};

}  // namespace petcalc

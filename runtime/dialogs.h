#pragma once

#include <string>
#include <string_view>

namespace petcalc {

// The modal dialogs the calculations show. Texts are UTF-16.
class Dialogs {
 public:
  virtual ~Dialogs() = default;

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

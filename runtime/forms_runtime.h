#pragma once

#include <string>
#include <string_view>

#include "runtime/dialogs.h"

namespace petcalc {

// What the calculations need of the window they run in: its dialogs, and the text of its
// boxes addressed by control name ("Text1"). Implemented with Qt for the real window and by a
// scripted double in the tests.
class FormsRuntime : public Dialogs {
 public:
  // The Text of a text box, possibly empty.
  virtual std::u16string GetText(std::string_view control) = 0;
  // Sets the Text of a text box; the box shows it at once.
  virtual void SetText(std::string_view control, std::u16string_view text) = 0;
};

}  // namespace petcalc

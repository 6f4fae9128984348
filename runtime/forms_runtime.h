#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "form/controls.h"

namespace petcalc {

// What a click needs of the window it runs in: the text of its boxes, addressed by the form's
// typed text boxes (form::Text1), and its three modal dialogs. Texts are UTF-16. Each front end
// implements it over its real window; the tests implement it with a script.
class FormsRuntime {
 public:
  virtual ~FormsRuntime() = default;

  // The Text of a text box, possibly empty.
  virtual std::u16string GetText(form::TextBox box) = 0;
  // Sets the Text of a text box; the box shows it at once, its caret at kCaretAfterWrite.
  virtual void SetText(form::TextBox box, std::u16string_view text) = 0;

  // A prompt with an empty edit field and OK and Cancel. Gives the typed text, or the empty
  // text on cancel or close.
  virtual std::u16string InputBox(std::u16string_view prompt, std::u16string_view title) = 0;
  // A message with a single OK button and no icon.
  virtual void MsgBox(std::u16string_view prompt, std::u16string_view title) = 0;
  // Tells the user that a click ended in an error: the given text, under the window's own
  // title, with the critical icon and a single OK button.
  virtual void ReportError(std::u16string_view text) = 0;
};

// Given a window's own runtime, the runtime its clicks are to run through instead: one that
// wraps the window's own, forwarding what it does not change. A window made with one owns what
// it makes; a window made without one runs its clicks through its own runtime.
using RuntimeDecorator = std::function<std::unique_ptr<FormsRuntime>(FormsRuntime& own)>;

}  // namespace petcalc

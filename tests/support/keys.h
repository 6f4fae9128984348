#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "form/controls.h"
#include "tests/support/scenarios.h"

namespace petcalc::testing {

// The one table of what the keyboard does in the window, played by every front end through its
// real window: Qt's, Windows' under wine, and the page's in both of its layouts.

// Where a row runs, or where it expects something else: a set of these.
enum Where : unsigned {
  kQt = 1U << 0,
  kWin32 = 1U << 1,
  kWebForm = 1U << 2,   // the page in the form's own layout
  kWebTouch = 1U << 3,  // the page in its layout for a finger
  kFormLayouts = kQt | kWin32 | kWebForm,
  kEverywhere = kFormLayouts | kWebTouch,
};

enum class Key { kTab, kReturn, kKeypadEnter, kSpace, kEscape, kBackspace, kA, kC, kV, kF2 };

struct Modifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

// One thing the player does.
struct KeyStep {
  enum class Kind {
    kFocus,  // the focus put on `control`, as the program would put it (not by a click)
    kPress,  // `key` pressed and released with `modifiers` held on whatever has the focus
    kType,   // `text` typed key by key into whatever has the focus
  };

  Kind kind;
  form::Control control{};
  Key key{};
  Modifiers modifiers{};
  // kPress: the key was already down, and this is one of its repeats.
  bool held = false;
  // kPress: the character the key types on a keyboard layout that gives it one (AltGr+A: ą).
  std::u16string_view text{};
};

// What the window shows after the steps.
struct KeyOutcome {
  // Where the focus is after each key pressed, in turn; not checked when empty.
  std::vector<form::Control> focus_after_each_press{};
  // Where the focus is at the end.
  form::Control focus{};
  // The text of these boxes at the end.
  std::vector<Typing> boxes{};
  // Instead of `focus`: the book has it, its own window on a desktop, its title on the page.
  bool book = false;
};

struct KeyCase {
  std::string name;  // a test name: letters and digits only
  unsigned where = kEverywhere;
  // Put into their boxes first, as a paste would.
  std::vector<Typing> filled{};
  std::vector<KeyStep> steps{};
  // The dialogs the steps open, in order, each answered as it says.
  std::vector<Dialog> dialogs{};
  KeyOutcome after{};
  // Where the window shows something else, and what.
  std::vector<std::pair<unsigned, KeyOutcome>> elsewhere{};
  // Where the row cannot fail, because that runner cannot press the keys as a keyboard does:
  // it is not played there, and counts as no check.
  unsigned inert = 0;

  // What the window shows at `here`.
  const KeyOutcome& OutcomeAt(Where here) const;
};

const std::vector<KeyCase>& KeyboardTable();

// A row's name, as GoogleTest prints a parameter.
inline void PrintTo(const KeyCase& row, std::ostream* out) { *out << row.name; }

// What a front end's runner does for a row.
class KeyPlayer {
 public:
  virtual ~KeyPlayer() = default;

  // Replaces a box's text at once.
  virtual void Put(form::TextBox box, std::u16string_view text) = 0;
  // The next dialog the steps open: check it, and answer it as `dialog` says.
  virtual void Expect(const Dialog& dialog) = 0;
  virtual void Step(const KeyStep& step) = 0;
  // Fails the running test unless every expected dialog came, in order, and no other.
  virtual void CheckDialogsShown() = 0;
  // The control that has the focus, if it is one of the window's.
  virtual std::optional<form::Control> Focused() = 0;
  // Whether the book has the focus (see KeyOutcome::book).
  virtual bool BookHasFocus() = 0;
  virtual std::u16string Text(form::TextBox box) = 0;
};

// Plays `row` through `player` as the runner at `here`, checking the outcome there; skips the
// running test where the row does not run or is inert.
void PlayKeys(const KeyCase& row, Where here, KeyPlayer& player);

}  // namespace petcalc::testing

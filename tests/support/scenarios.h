#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "form/controls.h"
#include "tests/support/boxes.h"

namespace petcalc::testing {

// The one table of what a player does and sees, run by the calc tests through the scripted
// runtime and by every front end through its real window and real dialogs.

// How the player answers a prompt: types a text and confirms it with Enter, confirms the empty
// field with 确定, or types a text and then cancels with 取消 or with Escape, which gives the
// empty text. A held Enter first: the Enter that opened the prompt is still held, and a repeat
// of it reaches the prompt before anything else, which must confirm nothing.
struct Answer {
  enum class Way { kTyped, kEmpty, kCancelled, kEscaped };

  Way way;
  std::u16string_view typed;
  bool held_enter_first = false;

  // What the prompt gives back.
  std::u16string_view Given() const { return way == Way::kTyped ? typed : u""; }
};

// A dialog the click shows, in the order it shows them. Prompts and messages carry the dialog
// title; an error carries the window's title and the critical icon.
struct Dialog {
  enum class Kind { kPrompt, kMessage, kError };

  Kind kind;
  std::u16string_view text;  // the prompt, the message or the error's whole text
  Answer answer{};           // prompts only
};

// A text box and what the player types into it, in place of what it held.
struct Typing {
  form::TextBox box;
  std::u16string_view text;
};

// Every box's text, in the order of kAllBoxes: the four grid rows, then the two sums.
using BoxTexts = std::array<std::u16string_view, kAllBoxes.size()>;

// The player types, clicks one button, answers or closes each dialog, and then every box shows
// `after`.
struct Step {
  std::vector<Typing> typed;
  form::Button click;
  std::vector<Dialog> dialogs;
  BoxTexts after;
};

// A fresh window, then its steps in order.
struct Scenario {
  std::string name;  // a test name: letters and digits only
  std::vector<Step> steps;
};

const std::vector<Scenario>& SharedScenarios();

// What a front end's runner does for each step of a scenario.
class ScenarioPlayer {
 public:
  virtual ~ScenarioPlayer() = default;

  virtual void Type(form::TextBox box, std::u16string_view text) = 0;
  // The next dialog the click shows: check it, and answer or close it as `dialog` says.
  virtual void Expect(const Dialog& dialog) = 0;
  virtual void Click(form::Button button) = 0;
  // Fails the running test unless every expected dialog came, in order, and no other.
  virtual void CheckDialogsShown() = 0;
  virtual std::u16string Text(form::TextBox box) = 0;
};

// Plays every step of `scenario` through `player`, checking every box after each.
void Play(const Scenario& scenario, ScenarioPlayer& player);

// The words both tables are written in.

// The twelve stats' texts, Text1..Text12; an empty text is a box left empty.
using Stats = std::array<std::u16string_view, kStatBoxes.size()>;
// The stats typed into their boxes, the empty ones left out.
std::vector<Typing> TypeStats(const Stats& stats);
// `stats` with `box`'s text replaced.
Stats With(Stats stats, form::TextBox box, std::u16string_view text);

Answer Typed(std::u16string_view text);
Answer Empty();
Answer Cancelled(std::u16string_view typed_first);
Answer Escaped(std::u16string_view typed_first);
Dialog Prompt(std::u16string_view prompt, Answer answer);
Dialog Message(std::u16string_view text);
Dialog Error(std::u16string_view text);

// The prompt for each stat box, Text1..Text12.
inline constexpr std::array<std::u16string_view, kStatBoxes.size()> kPrompts = {
    u"请在输入初始等级", u"请在输入初始体力", u"请在输入初始攻击", u"请在输入初始防御",
    u"请在输入初始敏捷", u"请在输入初始灵感", u"请在输入当前等级", u"请在输入当前体力",
    u"请在输入当前攻击", u"请在输入当前防御", u"请在输入当前敏捷", u"请在输入当前灵感"};

// The error dialog's text for the overflow error, as the scenarios expect it.
inline constexpr std::u16string_view kOverflowText = u"运行时错误 '6':\n\n溢出";

}  // namespace petcalc::testing

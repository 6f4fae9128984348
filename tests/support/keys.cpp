#include "tests/support/keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "form/tab_order.h"
#include "runtime/utf8.h"
#include "tests/support/typical_pet.h"

namespace petcalc::testing {
namespace {

KeyStep Focus(form::Control control) { return {KeyStep::Kind::kFocus, control}; }

KeyStep Press(Key key, Modifiers modifiers = {}) {
  KeyStep step{KeyStep::Kind::kPress};
  step.key = key;
  step.modifiers = modifiers;
  return step;
}

KeyStep Held(Key key) {
  KeyStep step = Press(key);
  step.held = true;
  return step;
}

// AltGr is Ctrl and Alt held together, as Windows reports it.
KeyStep AltGr(Key key, std::u16string_view typed) {
  KeyStep step = Press(key, {.ctrl = true, .alt = true});
  step.text = typed;
  return step;
}

KeyStep Type(std::u16string_view text) {
  KeyStep step{KeyStep::Kind::kType};
  step.text = text;
  return step;
}

constexpr auto kTabOrder = form::TabOrder();

// The focus after each Tab from the first control to the last.
std::vector<form::Control> TabbedForward() {
  return {std::next(kTabOrder.begin()), kTabOrder.end()};
}

// The focus after each Shift+Tab from the last control to the first.
std::vector<form::Control> TabbedBack() {
  return {std::next(kTabOrder.rbegin()), kTabOrder.rend()};
}

// The controls after `from` in tab order, up to and with `to`.
std::vector<form::Control> TabStopsAfter(form::Control from, form::Control to) {
  const auto first = std::find(kTabOrder.begin(), kTabOrder.end(), from);
  const auto last = std::find(kTabOrder.begin(), kTabOrder.end(), to);
  return {std::next(first), std::next(last)};
}

// The growth row and both sums as "计 算" shows them for the typical pet, or, with nothing
// computed, empty.
std::vector<Typing> GrowthShown(bool computed) {
  std::vector<Typing> boxes;
  for (std::size_t i = 0; i < kGrowthBoxes.size(); ++i) {
    boxes.push_back({kGrowthBoxes[i], computed ? kTypicalGrowth[i + 1] : u""});
  }
  boxes.push_back({form::Text25, computed ? kTypicalThreeStatSum : u""});
  boxes.push_back({form::Text26, computed ? kTypicalTotalSum : u""});
  return boxes;
}

std::vector<Typing> Plus(std::vector<Typing> boxes, Typing more) {
  boxes.push_back(more);
  return boxes;
}

Answer HeldEnterFirst(Answer answer) {
  answer.held_enter_first = true;
  return answer;
}

std::vector<KeyCase> MakeTable() {
  const std::vector<Typing> typical = TypeStats(kTypicalStats);
  const std::vector<Typing> no_inspiration = TypeStats(With(kTypicalStats, form::Text12, u""));
  const std::vector<KeyStep> tabs(kTabOrder.size() - 1, Press(Key::kTab));
  std::vector<KeyStep> back_tabs = {Focus(kTabOrder.back())};
  back_tabs.insert(back_tabs.end(), kTabOrder.size() - 1, Press(Key::kTab, {.shift = true}));
  const std::vector<KeyStep> thirteen_enters(13, Press(Key::kReturn));
  std::vector<KeyStep> walk_by_enter = {Focus(form::Text1)};
  walk_by_enter.insert(walk_by_enter.end(), thirteen_enters.begin(), thirteen_enters.end());

  std::vector<KeyCase> table = {
      {.name = "TheFocusStartsOnTheFirstButton", .after = {.focus = form::kFirstFocus}},
      {.name = "TabWalksTheWholeTabOrder",
       .steps = tabs,
       .after = {.focus_after_each_press = TabbedForward(), .focus = kTabOrder.back()}},
      {.name = "ShiftTabWalksItBackwards",
       .steps = back_tabs,
       .after = {.focus_after_each_press = TabbedBack(), .focus = kTabOrder.front()}},
      // A page lets the focus go on to the browser's own controls instead.
      {.name = "TabGoesRoundTheWindow",
       .where = kQt | kWin32,
       .steps = {Focus(kTabOrder.back()), Press(Key::kTab), Press(Key::kTab, {.shift = true})},
       .after = {.focus_after_each_press = {kTabOrder.front(), kTabOrder.back()},
                 .focus = kTabOrder.back()}},
      {.name = "EnterAndEscapeInABoxStartNothing",
       .filled = typical,
       .steps = {Focus(form::Text1), Press(Key::kReturn), Press(Key::kKeypadEnter),
                 Press(Key::kEscape)},
       .after = {.focus = form::Text1, .boxes = GrowthShown(false)},
       // On a phone the keyboard's action key moves on to the next box.
       .elsewhere = {{kWebTouch, {.focus = form::Text3, .boxes = GrowthShown(false)}}}},
      {.name = "TheActionKeyWalksTheBoxesToTheButton",
       .where = kWebTouch,
       .steps = walk_by_enter,
       .after = {.focus_after_each_press = TabStopsAfter(form::Text1, form::Command2),
                 .focus = form::Command2}},
      {.name = "AHeldEnterOnAButtonPressesNothing",
       .filled = typical,
       .steps = {Focus(form::Command1), Held(Key::kReturn)},
       .after = {.focus = form::Command1, .boxes = GrowthShown(false)}},
      {.name = "AHeldEnterConfirmsNoPromptItOpens",
       .filled = no_inspiration,
       .steps = {Focus(form::Command1), Press(Key::kReturn)},
       .dialogs = {Prompt(kPrompts[11], HeldEnterFirst(Typed(kTypicalCurrent[5])))},
       .after = {.focus = form::Command1,
                 .boxes = Plus(GrowthShown(true), {form::Text12, kTypicalCurrent[5]})}},
      {.name = "EscapeCancelsAPromptAndTheFocusComesBack",
       .filled = no_inspiration,
       .steps = {Focus(form::Command1), Press(Key::kSpace)},
       .dialogs = {Prompt(kPrompts[11], Escaped(u"99"))},
       .after = {.focus = form::Command1, .boxes = {{form::Text12, u"0"}, {form::Text26, u"7"}}}},
      {.name = "TheFocusComesBackAfterAMessage",
       .filled = typical,
       .steps = {Focus(form::Command2), Press(Key::kSpace)},
       .dialogs = {Message(u"开什么玩笑 仔细检查预测等级")},
       .after = {.focus = form::Command2, .boxes = {{form::Text42, u""}}}},
      {.name = "TypingIntoAReadOnlyBoxChangesNothing",
       .filled = typical,
       .steps = {Focus(form::Command1), Press(Key::kSpace), Focus(form::Text14), Type(u"9"),
                 Press(Key::kBackspace), Focus(form::Text13), Type(u"9"), Press(Key::kBackspace)},
       .after = {.focus = form::Text13,
                 .boxes = {{form::Text13, u""}, {form::Text14, kTypicalGrowth[1]}}}},
      {.name = "CtrlASelectsABoxsWholeText",
       .steps = {Focus(form::Text3), Type(u"20"), Press(Key::kA, {.ctrl = true}), Type(u"7")},
       .after = {.focus = form::Text3, .boxes = {{form::Text3, u"7"}}}},
      {.name = "AltGrATypesItsCharacter",
       .steps = {Focus(form::Text3), Type(u"20"), AltGr(Key::kA, u"ą")},
       .after = {.focus = form::Text3, .boxes = {{form::Text3, u"20ą"}}},
       // The browser's driver types the character as text, with no key that could select.
       .inert = kWebForm | kWebTouch},
      // The one key of the main window besides its clicks: the book, the window left as it was.
      {.name = "F2OpensTheBookAndLeavesTheWindowAsItWas",
       .filled = typical,
       .steps = {Focus(form::Text3), Press(Key::kF2)},
       .after = {.boxes = Plus(GrowthShown(false), {form::Text3, kTypicalInitial[2]}),
                 .book = true}},
      {.name = "CtrlCCopiesAResultAndCtrlVPastesIt",
       .filled = typical,
       .steps = {Focus(form::Command1), Press(Key::kSpace), Focus(form::Text14),
                 Press(Key::kA, {.ctrl = true}), Press(Key::kC, {.ctrl = true}),
                 Focus(form::Text41), Press(Key::kV, {.ctrl = true})},
       .after = {.focus = form::Text41, .boxes = {{form::Text41, kTypicalGrowth[1]}}}},
  };
  for (const auto& [key, name] : {std::pair{Key::kSpace, "SpacePressesAFocusedButton"},
                                  std::pair{Key::kReturn, "ReturnPressesAFocusedButton"},
                                  std::pair{Key::kKeypadEnter, "EnterPressesAFocusedButton"}}) {
    table.push_back({.name = name,
                     .filled = typical,
                     .steps = {Focus(form::Command1), Press(key)},
                     .after = {.focus = form::Command1, .boxes = GrowthShown(true)}});
  }
  return table;
}

std::string NameOf(std::optional<form::Control> control) {
  return control ? std::string(control->name()) : "(none of the window's)";
}

}  // namespace

const KeyOutcome& KeyCase::OutcomeAt(Where here) const {
  for (const auto& [where, outcome] : elsewhere) {
    if ((where & here) != 0) return outcome;
  }
  return after;
}

const std::vector<KeyCase>& KeyboardTable() {
  static const std::vector<KeyCase> table = MakeTable();
  return table;
}

void PlayKeys(const KeyCase& row, Where here, KeyPlayer& player) {
  if ((row.where & here) == 0) GTEST_SKIP() << "a row for another front end or layout";
  if ((row.inert & here) != 0) GTEST_SKIP() << "this runner cannot press these keys as a keyboard";
  const KeyOutcome& expected = row.OutcomeAt(here);
  for (const Typing& typing : row.filled) player.Put(typing.box, typing.text);
  for (const Dialog& dialog : row.dialogs) player.Expect(dialog);
  std::size_t presses = 0;
  for (const KeyStep& step : row.steps) {
    player.Step(step);
    if (step.kind != KeyStep::Kind::kPress || expected.focus_after_each_press.empty()) continue;
    ASSERT_LT(presses, expected.focus_after_each_press.size());
    EXPECT_EQ(NameOf(player.Focused()), expected.focus_after_each_press[presses].name())
        << "after key " << presses + 1;
    ++presses;
  }
  player.CheckDialogsShown();
  if (expected.book) {
    EXPECT_TRUE(player.BookHasFocus()) << "the book did not open";
  } else {
    EXPECT_EQ(NameOf(player.Focused()), expected.focus.name());
  }
  for (const Typing& box : expected.boxes) {
    EXPECT_EQ(ToUtf8(player.Text(box.box)), ToUtf8(box.text)) << box.box.name();
  }
}

}  // namespace petcalc::testing

// Writes the tables that the tests outside C++ read, as JSON, into one folder:
//   test_data <folder>
// form.json: the window's controls and tab order; scenarios.json: the shared scenarios;
// keys.json: the keyboard table; typical.json: the typical pet and what the window shows for it;
// book.json: the book window's title, its headings, and the row the typical pet's click makes
// (null for the time, which the click sets). The page's test in Chromium reads them all, the
// accessibility test over AT-SPI the form, the pet and the book. Run when the build is built:
// natively, or under Node with the real file system.
#include <fstream>
#include <iostream>
#include <string>

#include "book/book.h"
#include "book/book_columns.h"
#include "book/captions.h"
#include "form/layout.h"
#include "form/tab_order.h"
#include "tests/book/book_fixture.h"
#include "tests/support/boxes.h"
#include "tests/support/json.h"
#include "tests/support/keys.h"
#include "tests/support/scenarios.h"
#include "tests/support/typical_pet.h"

namespace petcalc::testing {
namespace {

std::string_view KindName(form::ControlKind kind) {
  switch (kind) {
    case form::ControlKind::kLabel:
      return "label";
    case form::ControlKind::kTextBox:
      return "box";
    case form::ControlKind::kPushButton:
      return "button";
    case form::ControlKind::kPicture:
      return "picture";
  }
  return {};
}

std::string_view DialogName(Dialog::Kind kind) {
  switch (kind) {
    case Dialog::Kind::kPrompt:
      return "prompt";
    case Dialog::Kind::kMessage:
      return "message";
    case Dialog::Kind::kError:
      return "error";
  }
  return {};
}

std::string_view WayName(Answer::Way way) {
  switch (way) {
    case Answer::Way::kTyped:
      return "typed";
    case Answer::Way::kEmpty:
      return "empty";
    case Answer::Way::kCancelled:
      return "cancelled";
    case Answer::Way::kEscaped:
      return "escaped";
  }
  return {};
}

std::string_view KeyName(Key key) {
  switch (key) {
    case Key::kTab:
      return "Tab";
    case Key::kReturn:
      return "Return";
    case Key::kKeypadEnter:
      return "KeypadEnter";
    case Key::kSpace:
      return "Space";
    case Key::kEscape:
      return "Escape";
    case Key::kBackspace:
      return "Backspace";
    case Key::kA:
      return "A";
    case Key::kC:
      return "C";
    case Key::kV:
      return "V";
    case Key::kF2:
      return "F2";
  }
  return {};
}

std::string Bool(bool value) { return value ? "true" : "false"; }

std::string ControlName(form::Control control) { return JsonName(control.name()); }

std::string FormJson() {
  const form::PixelSize client = form::ClientSize();
  std::string json = "{\n  \"name\": " + JsonName(form::kForm1Name) +
                     ",\n  \"title\": " + JsonString(form::kForm1Title) + ",\n  \"client\": [" +
                     std::to_string(client.width) + ", " + std::to_string(client.height) +
                     "],\n  \"controls\": [\n";
  for (const form::Control control : form::Control::All()) {
    const form::ControlRow& row = control.description();
    const form::PixelRect r = form::PixelsOf(control);
    json += std::string(control.row() == 0 ? "" : ",\n") +
            "    {\"name\": " + ControlName(control) +
            ", \"kind\": " + JsonName(KindName(row.kind)) + ", \"rect\": [" +
            std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.width) +
            ", " + std::to_string(r.height) + "], \"caption\": " + JsonString(row.caption) +
            ", \"readOnly\": " + Bool(row.read_only) + ", \"autoSize\": " + Bool(row.auto_size) +
            ", \"accessibleName\": " + JsonString(row.accessible_name) + "}";
  }
  return json + "\n  ],\n  \"tabOrder\": " + JsonArray(form::TabOrder(), ControlName) + "\n}\n";
}

std::string Json(const Typing& typing) {
  return "[" + ControlName(typing.box) + ", " + JsonString(typing.text) + "]";
}

std::string Json(const Dialog& dialog) {
  std::string json =
      "{\"kind\": " + JsonName(DialogName(dialog.kind)) + ", \"text\": " + JsonString(dialog.text);
  if (dialog.kind == Dialog::Kind::kPrompt) {
    json += ", \"answer\": " + JsonName(WayName(dialog.answer.way)) +
            ", \"typed\": " + JsonString(dialog.answer.typed) +
            ", \"heldEnterFirst\": " + Bool(dialog.answer.held_enter_first);
  }
  return json + "}";
}

std::string Json(const Step& step) {
  std::string after = "{";
  for (std::size_t i = 0; i < kAllBoxes.size(); ++i) {
    after += std::string(i == 0 ? "" : ", ") + ControlName(kAllBoxes[i]) + ": " +
             JsonString(step.after[i]);
  }
  return "{\"typed\": " + JsonArray(step.typed, [](const Typing& t) { return Json(t); }) +
         ", \"click\": " + ControlName(step.click) +
         ", \"dialogs\": " + JsonArray(step.dialogs, [](const Dialog& d) { return Json(d); }) +
         ", \"after\": " + after + "}}";
}

std::string ScenariosJson() {
  return JsonArray(SharedScenarios(),
                   [](const Scenario& scenario) {
                     return "\n  {\"name\": " + JsonName(scenario.name) + ", \"steps\": " +
                            JsonArray(scenario.steps, [](const Step& s) { return Json(s); }) + "}";
                   }) +
         "\n";
}

std::string Json(const KeyStep& step) {
  switch (step.kind) {
    case KeyStep::Kind::kFocus:
      return "{\"focus\": " + ControlName(step.control) + "}";
    case KeyStep::Kind::kPress:
      return "{\"press\": " + JsonName(KeyName(step.key)) +
             ", \"shift\": " + Bool(step.modifiers.shift) +
             ", \"ctrl\": " + Bool(step.modifiers.ctrl) + ", \"alt\": " + Bool(step.modifiers.alt) +
             ", \"held\": " + Bool(step.held) + ", \"text\": " + JsonString(step.text) + "}";
    case KeyStep::Kind::kType:
      return "{\"type\": " + JsonString(step.text) + "}";
  }
  return {};
}

std::string Json(const KeyOutcome& outcome) {
  return "{\"focusAfterEachPress\": " + JsonArray(outcome.focus_after_each_press, ControlName) +
         ", \"focus\": " + ControlName(outcome.focus) +
         ", \"boxes\": " + JsonArray(outcome.boxes, [](const Typing& t) { return Json(t); }) +
         ", \"book\": " + Bool(outcome.book) + "}";
}

// The places a set of them names, as the page's test calls them.
std::string Places(unsigned where) {
  std::string json = "[";
  for (const auto& [place, name] :
       {std::pair{kQt, "qt"}, std::pair{kWin32, "win32"}, std::pair{kWebForm, "web-form"},
        std::pair{kWebTouch, "web-touch"}}) {
    if ((where & place) != 0) json += (json.size() > 1 ? ", \"" : "\"") + std::string(name) + "\"";
  }
  return json + "]";
}

std::string KeysJson() {
  return JsonArray(KeyboardTable(),
                   [](const KeyCase& row) {
                     return "\n  {\"name\": " + JsonName(row.name) +
                            ", \"where\": " + Places(row.where) +
                            ", \"inert\": " + Places(row.inert) + ", \"filled\": " +
                            JsonArray(row.filled, [](const Typing& t) { return Json(t); }) +
                            ", \"steps\": " +
                            JsonArray(row.steps, [](const KeyStep& s) { return Json(s); }) +
                            ", \"dialogs\": " +
                            JsonArray(row.dialogs, [](const Dialog& d) { return Json(d); }) +
                            ", \"after\": " + Json(row.after) + ", \"elsewhere\": " +
                            JsonArray(row.elsewhere,
                                      [](const auto& other) {
                                        return "{\"where\": " + Places(other.first) +
                                               ", \"after\": " + Json(other.second) + "}";
                                      }) +
                            "}";
                   }) +
         "\n";
}

std::string TypicalJson() {
  std::vector<Typing> shown;
  for (std::size_t i = 0; i < kGrowthBoxes.size(); ++i) {
    shown.push_back({kGrowthBoxes[i], kTypicalGrowth[i + 1]});
  }
  shown.push_back({form::Text25, kTypicalThreeStatSum});
  shown.push_back({form::Text26, kTypicalTotalSum});
  const auto json = [](const Typing& t) { return Json(t); };
  return "{\"stats\": " + JsonArray(TypeStats(kTypicalStats), json) +
         ",\n \"afterGrowth\": " + JsonArray(shown, json) + "}\n";
}

std::string BookJson() {
  book::Book book(book::testing::CountedIds());
  const book::Record& typical =
      *book.Find(book.KeepGrowth(book::testing::kTypical, book::testing::At(0)).id);
  std::string headings;
  std::string row;
  for (const book::Column column : book::kColumns) {
    const char* comma = headings.empty() ? "" : ", ";
    headings += comma + JsonString(book::HeadingOf(column));
    row += comma + (column == book::Column::kChanged
                        ? std::string("null")
                        : JsonString(book::CellText(typical, column, {})));
  }
  return "{\"title\": " + JsonString(book::captions::kTitle) + ",\n \"headings\": [" + headings +
         "],\n \"typicalRow\": [" + row + "]}\n";
}

bool Write(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  return static_cast<bool>(out);
}

}  // namespace
}  // namespace petcalc::testing

int main(int argc, char** argv) {
  using namespace petcalc::testing;
  if (argc != 2) {
    std::cerr << "usage: test_data <folder>\n";
    return 2;
  }
  const std::string folder = argv[1];
  const bool written = Write(folder + "/form.json", FormJson()) &&
                       Write(folder + "/scenarios.json", ScenariosJson()) &&
                       Write(folder + "/keys.json", KeysJson()) &&
                       Write(folder + "/typical.json", TypicalJson()) &&
                       Write(folder + "/book.json", BookJson());
  if (!written) std::cerr << "test_data: could not write " << folder << "\n";
  return written ? 0 : 1;
}

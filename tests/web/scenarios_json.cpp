// Writes the shared scenarios as JSON, for the browser tests to play through the real page:
//   scenarios_json <file>
// Run under Node, with the real file system, when the web build is built.
#include <fstream>
#include <iostream>
#include <string>

#include "tests/support/boxes.h"
#include "tests/support/scenarios.h"
#include "web/html.h"

namespace petcalc::testing {
namespace {

std::string Json(const Dialog& dialog) {
  static constexpr const char* kKinds[] = {"prompt", "message", "error"};
  static constexpr const char* kWays[] = {"typed", "empty", "cancelled"};
  std::string json = "{\"kind\": \"" + std::string(kKinds[static_cast<int>(dialog.kind)]) +
                     "\", \"text\": " + web::JsonString(dialog.text);
  if (dialog.kind == Dialog::Kind::kPrompt) {
    json += ", \"answer\": \"" + std::string(kWays[static_cast<int>(dialog.answer.way)]) +
            "\", \"typed\": " + web::JsonString(dialog.answer.typed);
  }
  return json + "}";
}

std::string Json(const Step& step) {
  std::string json = "{\"typed\": [";
  for (std::size_t i = 0; i < step.typed.size(); ++i) {
    json += std::string(i == 0 ? "" : ", ") + "[\"" + std::string(step.typed[i].box.name()) +
            "\", " + web::JsonString(step.typed[i].text) + "]";
  }
  json += "], \"click\": \"" + std::string(step.click.name()) + "\", \"dialogs\": [";
  for (std::size_t i = 0; i < step.dialogs.size(); ++i) {
    json += (i == 0 ? "" : ", ") + Json(step.dialogs[i]);
  }
  json += "], \"after\": {";
  for (std::size_t i = 0; i < kAllBoxes.size(); ++i) {
    json += std::string(i == 0 ? "" : ", ") + "\"" + std::string(kAllBoxes[i].name()) +
            "\": " + web::JsonString(step.after[i]);
  }
  return json + "}}";
}

std::string Json(const std::vector<Scenario>& scenarios) {
  std::string json = "[\n";
  for (std::size_t s = 0; s < scenarios.size(); ++s) {
    json += std::string(s == 0 ? "" : ",\n") + "  {\"name\": \"" + scenarios[s].name +
            "\", \"steps\": [";
    for (std::size_t i = 0; i < scenarios[s].steps.size(); ++i) {
      json += (i == 0 ? "" : ", ") + Json(scenarios[s].steps[i]);
    }
    json += "]}";
  }
  return json + "\n]\n";
}

}  // namespace
}  // namespace petcalc::testing

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: scenarios_json <file>\n";
    return 2;
  }
  std::ofstream out(argv[1], std::ios::binary);
  out << petcalc::testing::Json(petcalc::testing::SharedScenarios());
  return out ? 0 : 1;
}

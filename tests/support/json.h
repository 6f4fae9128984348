#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "runtime/utf8.h"

namespace petcalc::testing {

// A UTF-8 text as a JSON string, quoted, with the quote, the backslash and control characters
// escaped.
inline std::string JsonString(std::string_view utf8) {
  std::string json = "\"";
  for (const char c : utf8) {
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
      json += escape;
    } else {
      json += c;
    }
  }
  return json + "\"";
}
inline std::string JsonString(std::u16string_view text) { return JsonString(ToUtf8(text)); }

// An ASCII name (a control's, a kind's) as a JSON string.
inline std::string JsonName(std::string_view name) { return "\"" + std::string(name) + "\""; }

// Each item as JSON, between brackets, separated by commas.
template <typename Items, typename ToJson>
std::string JsonArray(const Items& items, ToJson to_json) {
  std::string json = "[";
  for (const auto& item : items) json += (json.size() > 1 ? ", " : "") + to_json(item);
  return json + "]";
}

}  // namespace petcalc::testing

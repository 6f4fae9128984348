#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "runtime/utf8.h"

namespace petcalc::web {

// A text as HTML character data or an attribute value: UTF-8, with &, <, > and " escaped.
inline std::string Escaped(std::u16string_view text) {
  std::string html;
  for (const char c : ToUtf8(text)) {
    switch (c) {
      case '&':
        html += "&amp;";
        break;
      case '<':
        html += "&lt;";
        break;
      case '>':
        html += "&gt;";
        break;
      case '"':
        html += "&quot;";
        break;
      default:
        html += c;
    }
  }
  return html;
}

// A text as a JSON string, quoted: UTF-8, with the quote, the backslash and control characters
// escaped.
inline std::string JsonString(std::u16string_view text) {
  std::string json = "\"";
  for (const char c : ToUtf8(text)) {
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

}  // namespace petcalc::web

#pragma once

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

}  // namespace petcalc::web

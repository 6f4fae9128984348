#pragma once

#include <string>
#include <string_view>

namespace petcalc {

namespace utf8 {

inline bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
inline bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

inline void Append(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace utf8

// The seam's UTF-16 texts as UTF-8, for what is written out as text: the web page, logs and
// failure messages. A lone surrogate becomes U+FFFD.
inline std::string ToUtf8(std::u16string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (utf8::IsHighSurrogate(c) && i + 1 < text.size() && utf8::IsLowSurrogate(text[i + 1])) {
      utf8::Append(out, 0x10000 + ((c - 0xD800u) << 10) + (text[i + 1] - 0xDC00u));
      ++i;
    } else if (utf8::IsHighSurrogate(c) || utf8::IsLowSurrogate(c)) {
      utf8::Append(out, 0xFFFD);
    } else {
      utf8::Append(out, c);
    }
  }
  return out;
}

}  // namespace petcalc

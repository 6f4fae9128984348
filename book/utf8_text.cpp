#include "book/utf8_text.h"

#include "runtime/utf8.h"

namespace petcalc::book {
namespace {

// The code point at `at`, and its length; a length of zero where the sequence is malformed.
struct Decoded {
  char32_t code_point;
  std::size_t length;
};

Decoded DecodeAt(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return {lead, 1};
  std::size_t length = 0;
  char32_t code_point = 0;
  char32_t least = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, code_point = lead & 0x1F, least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, code_point = lead & 0x0F, least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, code_point = lead & 0x07, least = 0x10000;
  } else {
    return {0, 0};
  }
  if (at + length > text.size()) return {0, 0};
  for (std::size_t i = at + 1; i < at + length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return {0, 0};
    code_point = (code_point << 6) | (byte(i) & 0x3F);
  }
  const bool surrogate = code_point >= 0xD800 && code_point <= 0xDFFF;
  if (code_point < least || code_point > 0x10FFFF || surrogate) return {0, 0};
  return {code_point, length};
}

}  // namespace

std::optional<std::size_t> CharactersOf(std::string_view text) {
  std::size_t characters = 0;
  for (std::size_t at = 0; at < text.size(); ++characters) {
    const Decoded decoded = DecodeAt(text, at);
    if (decoded.length == 0) return std::nullopt;
    at += decoded.length;
  }
  return characters;
}

std::string Utf8Of(std::u16string_view text) { return ToUtf8(text); }

std::u16string Utf16Of(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const Decoded decoded = DecodeAt(text, at);
    if (decoded.length == 0) {
      out += u'\uFFFD';
      ++at;
    } else if (decoded.code_point >= 0x10000) {
      const char32_t offset = decoded.code_point - 0x10000;
      out += static_cast<char16_t>(0xD800 + (offset >> 10));
      out += static_cast<char16_t>(0xDC00 + (offset & 0x3FF));
      at += decoded.length;
    } else {
      out += static_cast<char16_t>(decoded.code_point);
      at += decoded.length;
    }
  }
  return out;
}

}  // namespace petcalc::book

#include "book/utf8_text.h"

#include "calc/pet_results.h"
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

std::string NumberText(std::int32_t value) { return ToUtf8(WholeText(value)); }

std::string WellFormed(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const Decoded decoded = DecodeAt(text, at);
    if (decoded.length == 0) {
      out += "\xEF\xBF\xBD";
      ++at;
    } else {
      out += text.substr(at, decoded.length);
      at += decoded.length;
    }
  }
  return out;
}

std::optional<std::int32_t> ReadNumber(std::string_view text) {
  const bool negative = text.starts_with('-');
  const std::string_view digits = text.substr(negative ? 1 : 0);
  if (digits.empty() || digits.size() > 10 || (digits[0] == '0' && text.size() > 1)) {
    return std::nullopt;
  }
  std::int64_t magnitude = 0;
  for (const char digit : digits) {
    if (digit < '0' || digit > '9') return std::nullopt;
    magnitude = magnitude * 10 + (digit - '0');
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value < -2147483648LL || value > 2147483647LL) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

}  // namespace petcalc::book

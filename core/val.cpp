#include "core/val.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace petcalc {
namespace {

constexpr char16_t kFullWidthFirst = 0xFF01;
constexpr char16_t kFullWidthLast = 0xFF5E;
constexpr char16_t kFullWidthToAscii = 0xFEE0;
constexpr char16_t kIdeographicSpace = 0x3000;

// Beyond these decimal magnitudes a number is certainly infinite or zero as a double; the
// margins keep from_chars' own range checks in charge near the true limits.
constexpr std::int64_t kInfiniteMagnitude = 400;
constexpr std::int64_t kZeroMagnitude = -400;
// Exponent digits saturate here: far beyond any magnitude that still matters.
constexpr std::int64_t kExponentCeiling = 1'000'000'000;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

char16_t FoldFullWidth(char16_t c) {
  if (c >= kFullWidthFirst && c <= kFullWidthLast)
    return static_cast<char16_t>(c - kFullWidthToAscii);
  if (c == kIdeographicSpace) return u' ';
  return c;
}

// Invisible format characters a paste can carry: zero-width spaces and joiners, directional
// marks, embeddings and isolates, word joiners, the byte-order mark.
bool IsInvisibleFormat(char16_t c) {
  return (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) ||
         (c >= 0x2060 && c <= 0x2064) || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

bool IsIgnored(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || IsInvisibleFormat(c);
}

bool IsDecimalDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

char16_t AsciiUpper(char16_t c) { return c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c; }

// The folded characters of a text, with the ignored ones skipped. Peek gives 0 at the end,
// which no rule accepts, so the end and any unreadable character stop a number alike.
class Reader {
 public:
  explicit Reader(std::u16string_view text) : text_(text) {}

  char16_t Peek() {
    while (pos_ < text_.size() && IsIgnored(FoldFullWidth(text_[pos_]))) ++pos_;
    return pos_ < text_.size() ? FoldFullWidth(text_[pos_]) : u'\0';
  }
  void Advance() { ++pos_; }

  bool Accept(char16_t c) {
    if (Peek() != c) return false;
    Advance();
    return true;
  }

 private:
  std::u16string_view text_;
  std::size_t pos_ = 0;
};

int DigitValue(char16_t c, int radix) {
  int value = radix;
  if (IsDecimalDigit(c))
    value = c - u'0';
  else if (AsciiUpper(c) >= u'A' && AsciiUpper(c) <= u'F')
    value = AsciiUpper(c) - u'A' + 10;
  return value < radix ? value : -1;
}

char HexDigit(unsigned value) { return "0123456789ABCDEF"[value]; }

// Regroups octal digits, three bits each, into hexadecimal digits, four bits each.
std::string OctalToHex(const std::string& octal) {
  std::string hex;
  unsigned bits = 0;
  int bit_count = 0;
  for (std::size_t i = octal.size(); i-- > 0;) {
    bits |= static_cast<unsigned>(octal[i] - '0') << bit_count;
    bit_count += 3;
    while (bit_count >= 4) {
      hex.push_back(HexDigit(bits & 0xF));
      bits >>= 4;
      bit_count -= 4;
    }
  }
  if (bit_count > 0) hex.push_back(HexDigit(bits));
  std::reverse(hex.begin(), hex.end());
  return hex;
}

double HexValue(std::string_view hex) {
  hex.remove_prefix(std::min(hex.find_first_not_of('0'), hex.size()));
  if (hex.size() > 16) {
    double value = 0;
    const auto result =
        std::from_chars(hex.data(), hex.data() + hex.size(), value, std::chars_format::hex);
    if (result.ec == std::errc::result_out_of_range) return kInfinity;
    return value;
  }
  std::uint64_t value = 0;
  std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
  if (value <= 0xFFFF) return static_cast<std::int16_t>(value);
  if (value <= 0xFFFF'FFFF) return static_cast<std::int32_t>(value);
  return static_cast<double>(value);
}

double ReadRadix(Reader& in, int radix) {
  std::string digits;
  for (int d; (d = DigitValue(in.Peek(), radix)) >= 0; in.Advance()) digits.push_back(HexDigit(d));
  return HexValue(radix == 16 ? digits : OctalToHex(digits));
}

std::int64_t ReadExponent(Reader& in) {
  const bool negative = !in.Accept(u'+') && in.Accept(u'-');
  std::int64_t exponent = 0;
  for (; IsDecimalDigit(in.Peek()); in.Advance()) {
    exponent = std::min(exponent * 10 + (in.Peek() - u'0'), kExponentCeiling);
  }
  return negative ? -exponent : exponent;
}

bool IsExponentMarker(char16_t c) { return AsciiUpper(c) == u'E' || AsciiUpper(c) == u'D'; }

double ReadDecimal(Reader& in) {
  const bool negative = !in.Accept(u'+') && in.Accept(u'-');
  std::string significant;  // digits without leading zeros
  std::int64_t exponent = 0;
  bool any_digit = false;
  auto read_digits = [&](std::int64_t exponent_step) {
    for (char16_t c; IsDecimalDigit(c = in.Peek()); in.Advance()) {
      any_digit = true;
      if (!significant.empty() || c != u'0') significant.push_back(static_cast<char>(c));
      exponent += exponent_step;
    }
  };
  read_digits(0);
  if (in.Accept(u'.')) read_digits(-1);
  if (!any_digit) return 0;
  if (IsExponentMarker(in.Peek())) {
    in.Advance();
    exponent += ReadExponent(in);
  }
  if (significant.empty()) return 0;

  // The value lies in [10^(magnitude - 1), 10^magnitude).
  const std::int64_t magnitude = static_cast<std::int64_t>(significant.size()) + exponent;
  double value = 0;
  if (magnitude > kInfiniteMagnitude) {
    value = kInfinity;
  } else if (magnitude >= kZeroMagnitude) {
    significant += 'e' + std::to_string(exponent);
    const auto result = std::from_chars(significant.data(), significant.data() + significant.size(),
                                        value, std::chars_format::scientific);
    if (result.ec == std::errc::result_out_of_range) value = magnitude > 0 ? kInfinity : 0;
  }
  if (value == 0) return 0;
  return negative ? -value : value;
}

}  // namespace

double Val(std::u16string_view text) {
  Reader in(text);
  if (in.Accept(u'&')) {
    const char16_t prefix = AsciiUpper(in.Peek());
    if (prefix != u'H' && prefix != u'O') return 0;
    in.Advance();
    return ReadRadix(in, prefix == u'H' ? 16 : 8);
  }
  return ReadDecimal(in);
}

}  // namespace petcalc

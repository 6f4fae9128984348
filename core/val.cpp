#include "core/val.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace petcalc {
namespace {

constexpr char16_t kFullWidthFirst = 0xFF01;
constexpr char16_t kFullWidthLast = 0xFF5E;
constexpr char16_t kFullWidthToAscii = 0xFEE0;
constexpr char16_t kIdeographicSpace = 0x3000;

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

bool IsIgnored(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || IsInvisibleFormat(c); }

bool IsDecimalDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

char16_t AsciiUpper(char16_t c) { return c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c; }

// The folded characters of a text, with the ignored ones skipped. Peek gives 0 at the end,
// which no rule accepts, so the end and any unreadable character stop a number alike.
class Reader {
 public:
  explicit Reader(std::u16string_view text) : text_(text) { Settle(); }

  char16_t Peek() const { return current_; }
  void Advance() {
    ++pos_;
    Settle();
  }
  bool Accept(char16_t c) {
    if (current_ != c) return false;
    Advance();
    return true;
  }

 private:
  // Moves on to the next character that is not ignored, and folds it once.
  void Settle() {
    for (; pos_ < text_.size(); ++pos_) {
      const char16_t raw = text_[pos_];
      if (raw > u' ' && raw < 0x7F) {  // printable ASCII: neither folded nor ignored
        current_ = raw;
        return;
      }
      const char16_t c = FoldFullWidth(raw);
      if (!IsIgnored(c)) {
        current_ = c;
        return;
      }
    }
    current_ = u'\0';
  }

  std::u16string_view text_;
  std::size_t pos_ = 0;
  char16_t current_ = u'\0';
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

// The narrowest two's-complement width the value fits: 16 bits, 32 bits, or none.
double RadixValue(std::uint64_t value) {
  if (value <= 0xFFFF) return static_cast<std::int16_t>(value);
  if (value <= 0xFFFF'FFFF) return static_cast<std::int32_t>(value);
  return static_cast<double>(value);
}

// A value of more than 64 bits, its plain value rounded to the nearest double.
double LongRadixValue(Reader& in, int radix) {
  std::string digits;
  for (int d; (d = DigitValue(in.Peek(), radix)) >= 0; in.Advance()) digits.push_back(HexDigit(d));
  std::string hex = radix == 16 ? digits : OctalToHex(digits);
  std::string_view significant = hex;
  significant.remove_prefix(significant.find_first_not_of('0'));
  double value = 0;
  const auto result = std::from_chars(significant.data(), significant.data() + significant.size(),
                                      value, std::chars_format::hex);
  if (result.ec == std::errc::result_out_of_range) return kInfinity;
  return value;
}

double ReadRadix(Reader& in, int radix) {
  const Reader digits_start = in;
  const int bits_per_digit = radix == 16 ? 4 : 3;
  std::uint64_t value = 0;
  for (int d; (d = DigitValue(in.Peek(), radix)) >= 0; in.Advance()) {
    if ((value >> (64 - bits_per_digit)) != 0) {
      in = digits_start;
      return LongRadixValue(in, radix);
    }
    value = value * static_cast<unsigned>(radix) + static_cast<unsigned>(d);
  }
  return RadixValue(value);
}

bool IsExponentMarker(char16_t c) { return AsciiUpper(c) == u'E' || AsciiUpper(c) == u'D'; }

// An optional plus or minus sign; true for minus.
bool AcceptNegativeSign(Reader& in) { return !in.Accept(u'+') && in.Accept(u'-'); }

// A decimal number as read so far.
struct DecimalNumber {
  std::string text;          // digits, at most one point, an exponent: the form from_chars reads
  bool significant = false;  // a digit other than 0 was read
  // The value lies in [10^(magnitude - 1), 10^magnitude): what decides infinity or zero when
  // from_chars finds the value out of range.
  std::int64_t magnitude = 0;
};

void ReadMantissa(Reader& in, DecimalNumber& number) {
  for (char16_t c; IsDecimalDigit(c = in.Peek()); in.Advance()) {
    number.significant = number.significant || c != u'0';
    if (number.significant) ++number.magnitude;
    number.text.push_back(static_cast<char>(c));
  }
  if (!in.Accept(u'.')) return;
  number.text.push_back('.');
  for (char16_t c; IsDecimalDigit(c = in.Peek()); in.Advance()) {
    if (!number.significant && c == u'0') --number.magnitude;
    number.significant = number.significant || c != u'0';
    number.text.push_back(static_cast<char>(c));
  }
}

// An exponent marker, an optional sign and digits; without digits it adds nothing.
void ReadExponent(Reader& in, DecimalNumber& number) {
  const std::size_t mark = number.text.size();
  number.text.push_back('e');
  const bool negative = AcceptNegativeSign(in);
  if (negative) number.text.push_back('-');
  std::int64_t exponent = 0;
  for (char16_t c; IsDecimalDigit(c = in.Peek()); in.Advance()) {
    exponent = std::min(exponent * 10 + (c - u'0'), kExponentCeiling);
    number.text.push_back(static_cast<char>(c));
  }
  if (number.text.size() == mark + 1 + (negative ? 1 : 0)) {
    number.text.resize(mark);
    return;
  }
  number.magnitude += negative ? -exponent : exponent;
}

// Reads the number without copying it, for the common case: at most 19 significant digits
// (so the mantissa fits 64 bits). Gives nothing when the number needs the general reader.
// Below 2^53 with a power of ten up to 10^22 both are exact doubles, so one multiplication or
// division rounds correctly; other values are left to from_chars.
std::optional<double> ReadShortDecimal(Reader& in) {
  constexpr int kMaxDigits = 19;
  constexpr std::uint64_t kExactMantissa = std::uint64_t{1} << 53;
  constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                     1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                     1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  std::uint64_t mantissa = 0;
  int digits = 0;
  std::int64_t exponent = 0;
  bool any_digit = false;
  const auto take = [&](char16_t c, int exponent_step) {
    any_digit = true;
    exponent += exponent_step;
    if (mantissa == 0 && c == u'0') return true;
    if (digits == kMaxDigits) return false;
    mantissa = mantissa * 10 + static_cast<unsigned>(c - u'0');
    ++digits;
    return true;
  };
  for (char16_t c; IsDecimalDigit(c = in.Peek()); in.Advance()) {
    if (!take(c, 0)) return std::nullopt;
  }
  if (in.Accept(u'.')) {
    for (char16_t c; IsDecimalDigit(c = in.Peek()); in.Advance()) {
      if (!take(c, -1)) return std::nullopt;
    }
  }
  if (!any_digit) return 0.0;
  if (IsExponentMarker(in.Peek())) {
    in.Advance();
    const bool negative = AcceptNegativeSign(in);
    std::int64_t written = 0;
    for (char16_t c; IsDecimalDigit(c = in.Peek()); in.Advance()) {
      written = std::min(written * 10 + (c - u'0'), kExponentCeiling);
    }
    exponent += negative ? -written : written;
  }
  if (mantissa == 0) return 0.0;
  if (mantissa > kExactMantissa || exponent < -22 || exponent > 22) return std::nullopt;
  const double exact = static_cast<double>(mantissa);
  return exponent < 0 ? exact / kPowersOfTen[-exponent] : exact * kPowersOfTen[exponent];
}

// The general reader: copies the number as from_chars reads it, which rounds correctly
// whatever its length.
double ReadLongDecimal(Reader& in) {
  DecimalNumber number;
  ReadMantissa(in, number);
  if (IsExponentMarker(in.Peek())) {
    in.Advance();
    ReadExponent(in, number);
  }
  if (!number.significant) return 0;
  double value = 0;
  const auto result =
      std::from_chars(number.text.data(), number.text.data() + number.text.size(), value);
  if (result.ec == std::errc::result_out_of_range) value = number.magnitude > 0 ? kInfinity : 0;
  return value;
}

double ReadDecimal(Reader& in) {
  const bool negative = AcceptNegativeSign(in);
  const Reader digits_start = in;
  std::optional<double> value = ReadShortDecimal(in);
  if (!value) {
    in = digits_start;
    value = ReadLongDecimal(in);
  }
  if (*value == 0) return 0;
  return negative ? -*value : *value;
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

#include "core/val.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "fast_float/fast_float.h"

namespace petcalc {
namespace {

constexpr char16_t kFullWidthFirst = 0xFF01;
constexpr char16_t kFullWidthLast = 0xFF5E;
constexpr char16_t kFullWidthToAscii = 0xFEE0;
constexpr char16_t kIdeographicSpace = 0x3000;

// Exponent digits saturate here: far beyond any magnitude that still matters.
constexpr std::int64_t kExponentCeiling = 1'000'000'000;

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

// A value of more than 64 bits, from its digits (hexadecimal digit characters): its plain value
// rounded to the nearest double, ties to even, or infinity beyond the double range. The digits
// are never all zero: ReadRadix comes here only once the value read has more than 60 bits.
double LongRadixValue(const std::string& digits, int radix) {
  const std::string hex = radix == 16 ? digits : OctalToHex(digits);
  const std::size_t first = hex.find_first_not_of('0');
  assert(first != std::string::npos);
  // The first 64 significant bits, the leading digit's bits at the top, and whether any bit
  // after them is set.
  std::uint64_t top = 0;
  int bits = 0;
  bool sticky = false;
  for (std::size_t i = first; i < hex.size(); ++i) {
    const auto digit = static_cast<unsigned>(DigitValue(static_cast<char16_t>(hex[i]), 16));
    const int width = i == first ? static_cast<int>(std::bit_width(digit)) : 4;
    for (int bit = width - 1; bit >= 0; --bit, ++bits) {
      const bool set = ((digit >> bit) & 1u) != 0;
      if (bits < 64) {
        top |= static_cast<std::uint64_t>(set) << (63 - bits);
      } else {
        sticky = sticky || set;
      }
    }
  }
  // Round the 64 bits to the 53 of a double's significand.
  constexpr int kDropped = 64 - std::numeric_limits<double>::digits;
  constexpr std::uint64_t kHalf = std::uint64_t{1} << (kDropped - 1);
  std::uint64_t significand = top >> kDropped;
  const std::uint64_t rest = top & ((kHalf << 1) - 1);
  if (rest > kHalf || (rest == kHalf && (sticky || (significand & 1u) != 0))) ++significand;
  // A carry out of the significand is a power of two; ldexp gives infinity past the range.
  return std::ldexp(static_cast<double>(significand), bits - std::numeric_limits<double>::digits);
}

// The rest of a value too long for 64 bits, after `value`, its first digits: every digit written
// out, then its plain value rounded to the nearest double.
double ReadLongRadix(Reader& in, int radix, std::uint64_t value) {
  const int bits_per_digit = radix == 16 ? 4 : 3;
  std::string digits;
  const int written =
      (static_cast<int>(std::bit_width(value)) + bits_per_digit - 1) / bits_per_digit;
  for (int i = written - 1; i >= 0; --i) {
    digits.push_back(HexDigit(static_cast<unsigned>(value >> (i * bits_per_digit)) & (radix - 1u)));
  }
  for (int d; (d = DigitValue(in.Peek(), radix)) >= 0; in.Advance()) {
    digits.push_back(HexDigit(static_cast<unsigned>(d)));
  }
  return LongRadixValue(digits, radix);
}

double ReadRadix(Reader& in, int radix) {
  const int bits_per_digit = radix == 16 ? 4 : 3;
  std::uint64_t value = 0;
  for (int d; (d = DigitValue(in.Peek(), radix)) >= 0; in.Advance()) {
    if ((value >> (64 - bits_per_digit)) != 0) return ReadLongRadix(in, radix, value);
    value = value * static_cast<unsigned>(radix) + static_cast<unsigned>(d);
  }
  return RadixValue(value);
}

bool IsExponentMarker(char16_t c) { return AsciiUpper(c) == u'E' || AsciiUpper(c) == u'D'; }

// An optional plus or minus sign; true for minus.
bool AcceptNegativeSign(Reader& in) { return !in.Accept(u'+') && in.Accept(u'-'); }

// A decimal number read once: its first significant digits as an integer, the rest kept aside
// only in the rare number that has more.
class DecimalNumber {
 public:
  // Reads digits with at most one full stop, then an optional exponent.
  explicit DecimalNumber(Reader& in) {
    for (char16_t c; IsDecimalDigit(c = in.Peek()); in.Advance()) TakeDigit(c, false);
    if (in.Accept(u'.')) {
      for (char16_t c; IsDecimalDigit(c = in.Peek()); in.Advance()) TakeDigit(c, true);
    }
    if (IsExponentMarker(in.Peek())) {
      in.Advance();
      ReadExponent(in);
    }
  }

  // The nearest double: by one exact multiplication or division when the significant digits
  // fit below 2^53 and the power of ten is at most 10^22 (both then exact doubles), otherwise
  // by fast_float on the digits as 0.digits × 10^magnitude, which rounds exactly alike on every
  // platform (infinity above the range, zero below it). The one operation rounds to the nearest
  // double only in the default round-to-nearest mode, which nothing in the program changes; it
  // is not checked here, at a cost on every box read.
  double Value() const {
    if (mantissa_ == 0) return 0;
    if (!truncated_ && mantissa_ <= kExactMantissa && exponent_ >= -kMaxExactPower &&
        exponent_ <= kMaxExactPower) {
      const auto exact = static_cast<double>(mantissa_);
      return exponent_ < 0 ? exact / kPowersOfTen[-exponent_] : exact * kPowersOfTen[exponent_];
    }
    std::string text = "0.";
    AppendNumber(text, mantissa_);
    text += more_digits_;
    text += 'e';
    AppendNumber(text, magnitude_);
    double value = 0;
    fast_float::from_chars(text.data(), text.data() + text.size(), value);
    return value;
  }

 private:
  static constexpr int kMaxMantissaDigits = 19;  // so the mantissa fits 64 bits
  static constexpr std::uint64_t kExactMantissa = std::uint64_t{1} << 53;
  static constexpr int kMaxExactPower = 22;
  static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                            1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  // More than the 767 significant digits that can decide how a decimal rounds to a double.
  static constexpr std::size_t kMaxKeptDigits = 800;

  template <typename Integer>
  static void AppendNumber(std::string& text, Integer n) {
    char digits[24];
    text.append(digits, std::to_chars(std::begin(digits), std::end(digits), n).ptr);
  }

  void TakeDigit(char16_t c, bool in_fraction) {
    const auto digit = static_cast<unsigned>(c - u'0');
    if (mantissa_ == 0 && digit == 0) {  // a leading zero
      if (in_fraction) {
        --exponent_;
        --magnitude_;
      }
      return;
    }
    if (!in_fraction) ++magnitude_;
    if (mantissa_digits_ == kMaxMantissaDigits) {
      TakeFurtherDigit(c);
      if (!in_fraction) ++exponent_;
      return;
    }
    mantissa_ = mantissa_ * 10 + digit;
    ++mantissa_digits_;
    if (in_fraction) --exponent_;
  }

  // Beyond kMaxKeptDigits only whether a digit is not zero can still change the rounding, so
  // one digit 1 stands for all of them.
  void TakeFurtherDigit(char16_t c) {
    truncated_ = truncated_ || c != u'0';
    if (more_digits_.size() < kMaxKeptDigits) {
      more_digits_.push_back(static_cast<char>(c));
    } else if (c != u'0' && more_digits_.size() == kMaxKeptDigits) {
      more_digits_.push_back('1');
    }
  }

  // An optional sign and digits; without digits the marker adds nothing.
  void ReadExponent(Reader& in) {
    const bool negative = AcceptNegativeSign(in);
    std::int64_t written = 0;
    for (char16_t c; IsDecimalDigit(c = in.Peek()); in.Advance()) {
      written = std::min(written * 10 + (c - u'0'), kExponentCeiling);
    }
    exponent_ += negative ? -written : written;
    magnitude_ += negative ? -written : written;
  }

  std::uint64_t mantissa_ = 0;  // the first significant digits, at most kMaxMantissaDigits
  int mantissa_digits_ = 0;
  std::string more_digits_;    // the digits after them, up to kMaxKeptDigits
  bool truncated_ = false;     // one of those is not zero
  std::int64_t exponent_ = 0;  // without truncation, the value is mantissa_ × 10^exponent_
  // The value is 0.(its significant digits) × 10^magnitude_.
  std::int64_t magnitude_ = 0;
};

double ReadDecimal(Reader& in) {
  const bool negative = AcceptNegativeSign(in);
  const double value = DecimalNumber(in).Value();
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

#include "core/val.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "runtime/utf8.h"

namespace petcalc {
namespace {

using petcalc::ToUtf8;

struct ValCase {
  std::u16string_view text;
  double expected;
};

void ExpectAll(std::initializer_list<ValCase> cases) {
  for (const ValCase& c : cases) {
    SCOPED_TRACE("text \"" + ToUtf8(c.text) + "\"");
    EXPECT_EQ(Val(c.text), c.expected);
  }
}

TEST(Val, ReadsTheDocumentedExamples) {
  ExpectAll({
      {u"", 0},
      {u"abc", 0},
      {u"-", 0},
      {u"12abc", 12},
      {u"  -12.5kg", -12.5},
      {u"1,234", 1},
      {u"1.2.3", 1.2},
      {u".5", 0.5},
      {u"5.", 5},
      {u"1e3", 1000},
      {u"2.5E-1", 0.25},
      {u"$5", 0},
      {u"&H10", 16},
      {u"&O17", 15},
      {u"&HFFFF", -1},
  });
}

TEST(Val, IgnoresBlanksTabsAndLineFeedsWherever) {
  ExpectAll({
      {u"  12", 12},
      {u"1 2 3", 123},
      {u"1 234", 1234},
      {u"- 5", -5},
      {u"\t7\n", 7},
      {u"1\t.\n5", 1.5},
      {u"1 e 3", 1000},
      {u"& H 1 0", 16},
  });
}

TEST(Val, StopsAtAnythingElse) {
  ExpectAll({
      {u"1\r2", 1},  // a carriage return is not a blank
      {std::u16string_view(u"1\0"
                           u"2",
                           3),
       1},
      {u"+-5", 0},  // one sign only
      {u"5-", 5},
      {u"1\u00A02", 1},  // no-break space
      {u"１\u00A0２", 1},
      {u"٣", 0},  // non-ASCII digits other than full-width are not digits
  });
}

TEST(Val, ReadsSignsAndZeros) {
  ExpectAll({{u"+7", 7}, {u"0.5", 0.5}, {u"-.25", -0.25}, {u"007", 7}, {u"0.000", 0}});
  EXPECT_FALSE(std::signbit(Val(u"-0")));  // zero is always +0
  EXPECT_FALSE(std::signbit(Val(u"-1e-999")));
}

TEST(Val, ReadsExponentCorners) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  ExpectAll({
      {u"1e", 1},
      {u"1e+", 1},
      {u"1E-", 1},
      {u"1D3", 1000},
      {u"1d-2", 0.01},
      {u"5e+2x", 500},
      {u"1e400", kInf},
      {u"-1e400", -kInf},
      {u"1e-400", 0},
      {u"1e99999999999999999999", kInf},
      {u"0e99999999", 0},
      {u"1.7976931348623157e308", 1.7976931348623157e308},
      {u"4.9e-324", 4.9e-324},
      {u"1e309", kInf},
  });
}

TEST(Val, RoundsToTheNearestDouble) {
  ExpectAll({
      {u"9007199254740993", 9007199254740992.0},  // 2^53 + 1: a tie, to even
      {u"9007199254740995", 9007199254740996.0},
      {u"2.2250738585072011e-308", 2.2250738585072011e-308},
      {u"1234567890123456789012345678901234567890", 1.2345678901234568e39},
      {u"0.1", 0.1},
      {u"000000000000000000000000000000000000000001.5", 1.5},
  });
}

TEST(Val, ReadsRadixValuesAtTheirNarrowestWidth) {
  ExpectAll({
      {u"&h10", 16},
      {u"&o17", 15},
      {u"&H7FFF", 32767},
      {u"&H8000", -32768},
      {u"&H0000FFFF", -1},
      {u"&H10000", 65536},
      {u"&H7FFFFFFF", 2147483647},
      {u"&H80000000", -2147483648.0},
      {u"&HFFFFFFFF", -1},
      {u"&H100000000", 4294967296.0},
      {u"&HFFFFFFFFFFFFFFFF", 18446744073709551616.0},   // 2^64 - 1, nearest double
      {u"&H10000000000000001", 18446744073709551616.0},  // 65 bits, nearest double
      {u"&O177777", -1},
      {u"&O37777777777", -1},
      {u"&O40000000000", 4294967296.0},
      {u"&O1000000000000000000000", 9223372036854775808.0},         // 2^63
      {u"&O7777777777777777777777777", 37778931862957161709568.0},  // 2^75 - 1, nearest double
      {u"&H", 0},
      {u"&O8", 0},
      {u"&HG", 0},
      {u"&X10", 0},
      {u"&", 0},
      {u"-&H10", 0},
      {u"&H1F.5", 31},
      {u"&HFFx", 255},
  });
}

// Radix values of more than 64 bits are rounded from their digits: halfway goes to the even
// neighbour unless a later bit is set, and past the double range is infinity.
TEST(Val, RoundsLongRadixValuesToNearestTiesToEven) {
  const std::u16string max_double = u"&HFFFFFFFFFFFFF8" + std::u16string(242, u'0');
  const std::u16string past_max = u"&HFFFFFFFFFFFFFC" + std::u16string(242, u'0');
  ExpectAll({
      {u"&H10000000000000800", 0x1p64},            // half an ulp: to even, down
      {u"&H10000000000000801", 0x1p64 + 0x1p12},   // past half
      {u"&H10000000000001800", 0x1p64 + 0x1p13},   // one and a half: to even, up
      {u"&H100000000000008000", 0x1p68},           // 69 bits, a tie
      {u"&H100000000000008001", 0x1p68 + 0x1p16},  // the tie broken by the last bit
      {max_double, std::numeric_limits<double>::max()},
      {past_max, std::numeric_limits<double>::infinity()},  // rounds up to 2^1024
  });
}

TEST(Val, ReadsFullWidthFormsAsTheirAsciiTwins) {
  ExpectAll({
      {u"１２", 12},
      {u"－３．５", -3.5},
      {u"１\u3000２", 12},  // ideographic space is a blank
      {u"１，２３４", 1},
      {u"＆Ｈ１０", 16},
      {u"１２ｋｇ", 12},
  });
}

TEST(Val, IgnoresInvisibleFormatCharactersAndStopsAtOtherHostileOnes) {
  ExpectAll({
      {u"\u200F12", 12},            // right-to-left mark
      {u"1\u200B2\u2060", 12},      // zero-width space, word joiner
      {u"\uFEFF-3", -3},            // byte-order mark
      {u"\u202B7\u202C", 7},        // embedding
      {u"\u2067-1.5\u2069", -1.5},  // isolate
      {u"12\U0001F600", 12},        // emoji: a surrogate pair ends the number
      {u"\U0001F6005", 0},
      {std::u16string_view(u"1\xD800"
                           u"2",
                           3),
       1},  // lone high surrogate
      {std::u16string_view(u"\xDC00"
                           u"3",
                           2),
       0},  // lone low surrogate
      {std::u16string_view(u"\0"
                           u"5",
                           2),
       0},
  });
}

TEST(Val, ReadsLongPastesWithoutLimit) {
  std::u16string blanks(1 << 20, u' ');
  EXPECT_EQ(Val(blanks + u"42"), 42);
  EXPECT_EQ(Val(std::u16string(1 << 20, u'9')), std::numeric_limits<double>::infinity());
  EXPECT_EQ(Val(u"0." + std::u16string(1 << 20, u'0') + u"1"), 0);
  EXPECT_EQ(Val(u"1" + std::u16string(1 << 20, u'0') + u"e-1048576"), 1);
}

// Restores the numeric locale even when an assertion fails.
class NumericLocaleGuard {
 public:
  NumericLocaleGuard() : saved_(std::setlocale(LC_NUMERIC, nullptr)) {}
  ~NumericLocaleGuard() { std::setlocale(LC_NUMERIC, saved_.c_str()); }

 private:
  std::string saved_;
};

TEST(Val, IgnoresADecimalCommaLocale) {
  NumericLocaleGuard guard;
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
    GTEST_SKIP() << "locale de_DE.UTF-8 is not installed (tools/install-deps.sh generates it)";
  }
  if (std::strtod("2.5", nullptr) != 2.0) {
    GTEST_SKIP() << "this C library reads a full stop whatever the locale (WebAssembly's does)";
  }
  ExpectAll({{u"2.5", 2.5}, {u"2,5", 2}, {u"-12.5kg", -12.5}, {u"2.5E-1", 0.25}});
}

}  // namespace
}  // namespace petcalc

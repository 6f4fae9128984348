// Val against the C library's correctly rounded strtod, under the "C" locale, on generated
// decimal texts: random digits, long mantissas, exponents across the double range, and exact
// halfway points between neighbouring doubles with their near misses.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "core/text.h"
#include "core/val.h"

namespace petcalc {
namespace {

constexpr int kRandomTexts = 100'000;
constexpr int kHalfwayPoints = 20'000;

class Differential {
 public:
  void Check(const std::string& text) {
    ++checked_;
    const double expected = std::strtod(text.c_str(), nullptr);
    const double actual = Val(AsciiToText(text));
    // +0 and -0 compare equal: Val gives +0 on purpose.
    if (!(actual == expected)) {
      if (mismatches_.size() < 10) mismatches_.push_back(text);
      ++mismatch_count_;
    }
  }

  int checked() const { return checked_; }
  int mismatch_count() const { return mismatch_count_; }
  std::string Report() const {
    std::string report;
    for (const std::string& text : mismatches_) report += "  " + text + "\n";
    return report;
  }

 private:
  int checked_ = 0;
  int mismatch_count_ = 0;
  std::vector<std::string> mismatches_;
};

std::string RandomDecimal(std::mt19937_64& rng) {
  std::uniform_int_distribution<int> digit(0, 9);
  std::uniform_int_distribution<int> length(1, 40);
  std::uniform_int_distribution<int> exponent(-345, 330);
  std::string text = rng() % 2 ? "-" : "";
  const int digits = length(rng);
  const int point = std::uniform_int_distribution<int>(0, digits)(rng);
  for (int i = 0; i < digits; ++i) {
    if (i == point && i > 0) text += '.';
    text += static_cast<char>('0' + digit(rng));
  }
  if (rng() % 4 != 0) text += 'e' + std::to_string(exponent(rng));
  return text;
}

// The exact decimal expansion of a long double, trailing zeros dropped.
std::string ExactDecimal(long double value) {
  std::vector<char> buffer(1200);
  std::snprintf(buffer.data(), buffer.size(), "%.1100Le", value);
  std::string text(buffer.data());
  const auto e = text.find('e');
  std::string mantissa = text.substr(0, e);
  while (mantissa.back() == '0') mantissa.pop_back();
  if (mantissa.back() == '.') mantissa.pop_back();
  return mantissa + text.substr(e);
}

// The same decimal with its mantissa cut to n significant digits (just under the value).
std::string Truncated(const std::string& exact, std::size_t significant) {
  const auto e = exact.find('e');
  std::string mantissa = exact.substr(0, e);
  const std::size_t keep = significant + 1 + (mantissa[0] == '-' ? 1 : 0);  // plus the point
  if (mantissa.size() > keep) mantissa.resize(keep);
  return mantissa + exact.substr(e);
}

TEST(ValDifferential, AgreesWithStrtodOnRandomDecimals) {
  std::mt19937_64 rng(20261207);
  Differential differential;
  for (int i = 0; i < kRandomTexts; ++i) differential.Check(RandomDecimal(rng));
  EXPECT_EQ(differential.mismatch_count(), 0) << differential.Report();
  EXPECT_EQ(differential.checked(), kRandomTexts);
}

TEST(ValDifferential, AgreesWithStrtodOnHalfwayPoints) {
  static_assert(LDBL_MANT_DIG >= 64, "the midpoint of two doubles must fit a long double");
  std::mt19937_64 rng(7);
  Differential differential;
  for (int i = 0; i < kHalfwayPoints; ++i) {
    double low = 0;
    do {
      const std::uint64_t bits = rng() & 0x7FEF'FFFF'FFFF'FFFFull;  // finite, below the maximum
      std::memcpy(&low, &bits, sizeof low);
    } while (!std::isfinite(low));
    const double high = std::nextafter(low, std::numeric_limits<double>::infinity());
    const long double midpoint = (static_cast<long double>(low) + high) / 2;
    const std::string exact = ExactDecimal(midpoint);
    differential.Check(exact);
    differential.Check(Truncated(exact, 17));
    differential.Check(Truncated(exact, 40));
  }
  for (const char* hard :
       {"2.2250738585072011e-308", "2.2250738585072012e-308", "9007199254740993",
        "9007199254740993.0000000001", "4.9406564584124654e-324", "2.4703282292062327e-324",
        "2.4703282292062328e-324", "1.7976931348623158e308", "1.7976931348623159e308", "0.1",
        "1e23", "8.98846567431158e307"}) {
    differential.Check(hard);
  }
  // A tie decided only by a digit far beyond the 800 significant digits Val keeps, and the tie.
  const std::string zeros(900, '0');
  differential.Check("9007199254740993." + zeros + "1");
  differential.Check("9007199254740993" + zeros + "e-900");
  EXPECT_EQ(differential.mismatch_count(), 0) << differential.Report();
  EXPECT_GT(differential.checked(), 3 * kHalfwayPoints);
}

}  // namespace
}  // namespace petcalc

#include "book/time.h"

#include <chrono>

namespace petcalc::book {
namespace {

constexpr std::int64_t kMillisecondsPerDay = 86'400'000;

// Days since 1970-01-01 of a proleptic Gregorian date, and back (Howard Hinnant's algorithms).
constexpr std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const auto year_of_era = static_cast<unsigned>(year - era * 400);
  const unsigned day_of_year = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const unsigned day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + static_cast<std::int64_t>(day_of_era) - 719468;
}

struct Civil {
  std::int64_t year;
  unsigned month, day;
};

constexpr Civil CivilFromDays(std::int64_t days) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const auto day_of_era = static_cast<unsigned>(days - era * 146097);
  const unsigned year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const unsigned day_of_year =
      day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const unsigned mp = (5 * day_of_year + 2) / 153;
  const unsigned day = day_of_year - (153 * mp + 2) / 5 + 1;
  const unsigned month = mp < 10 ? mp + 3 : mp - 9;
  return {static_cast<std::int64_t>(year_of_era) + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

constexpr bool IsLeap(std::int64_t year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr unsigned DaysIn(std::int64_t year, unsigned month) {
  constexpr unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

// `value`'s last `count` decimal digits into `out` from `at`.
void PutDigits(std::string& out, std::size_t at, std::int64_t value, int count) {
  for (int i = count - 1; i >= 0; --i, value /= 10) {
    out[at + static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
  }
}

// `count` decimal digits at `at`, or -1.
std::int64_t Digits(std::string_view text, std::size_t at, std::size_t count) {
  if (at + count > text.size()) return -1;
  std::int64_t value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

}  // namespace

std::string TimeText(Time time) {
  const std::int64_t ms = time.milliseconds();
  const std::int64_t days = ms / kMillisecondsPerDay;
  const std::int64_t of_day = ms % kMillisecondsPerDay;
  const Civil date = CivilFromDays(days);
  std::string text = "0000-00-00T00:00:00.000Z";
  PutDigits(text, 0, date.year, 4);
  PutDigits(text, 5, date.month, 2);
  PutDigits(text, 8, date.day, 2);
  PutDigits(text, 11, of_day / 3'600'000, 2);
  PutDigits(text, 14, of_day / 60'000 % 60, 2);
  PutDigits(text, 17, of_day / 1000 % 60, 2);
  PutDigits(text, 20, of_day % 1000, 3);
  return text;
}

std::optional<Time> ReadTime(std::string_view text) {
  // YYYY-MM-DDTHH:MM:SS, then .sss or nothing, then Z.
  constexpr std::string_view kShape = "0000-00-00T00:00:00";
  if (text.size() != kShape.size() + 1 && text.size() != kShape.size() + 5) return std::nullopt;
  for (std::size_t i = 0; i < kShape.size(); ++i) {
    if (kShape[i] != '0' && text[i] != kShape[i]) return std::nullopt;
  }
  if (text.back() != 'Z') return std::nullopt;
  const std::int64_t year = Digits(text, 0, 4);
  const std::int64_t month = Digits(text, 5, 2);
  const std::int64_t day = Digits(text, 8, 2);
  const std::int64_t hour = Digits(text, 11, 2);
  const std::int64_t minute = Digits(text, 14, 2);
  const std::int64_t second = Digits(text, 17, 2);
  std::int64_t millisecond = 0;
  if (text.size() == kShape.size() + 5) {
    if (text[19] != '.') return std::nullopt;
    millisecond = Digits(text, 20, 3);
  }
  if (year < 1970 || month < 1 || month > 12 || day < 1 || hour < 0 || hour > 23 || minute < 0 ||
      minute > 59 || second < 0 || second > 59 || millisecond < 0) {
    return std::nullopt;
  }
  if (day > DaysIn(year, static_cast<unsigned>(month))) return std::nullopt;
  const std::int64_t days =
      DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
  return Time::FromMilliseconds(days * kMillisecondsPerDay + hour * 3'600'000 + minute * 60'000 +
                                second * 1000 + millisecond);
}

Time Now() {
  const auto since_epoch = std::chrono::system_clock::now().time_since_epoch();
  return Time::FromMilliseconds(
      std::chrono::duration_cast<std::chrono::milliseconds>(since_epoch).count());
}

}  // namespace petcalc::book

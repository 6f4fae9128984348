#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace petcalc::book {

// A moment in UTC, to the millisecond: milliseconds since 1970-01-01T00:00:00Z. The book's times
// are stamped by the front end's clock and passed in, so that the book itself reads no clock.
class Time {
 public:
  constexpr Time() = default;
  static constexpr Time FromMilliseconds(std::int64_t since_epoch) { return Time(since_epoch); }
  constexpr std::int64_t milliseconds() const { return since_epoch_; }

  // clang-tidy 14 takes the 0 that a defaulted <=> is compared with for a null pointer.
  friend constexpr auto operator<=>(Time, Time) = default;  // NOLINT(modernize-use-nullptr)

 private:
  constexpr explicit Time(std::int64_t since_epoch) : since_epoch_(since_epoch) {}
  std::int64_t since_epoch_ = 0;
};

// The earliest and latest moments the book writes and reads: the years 1970 to 9999.
inline constexpr Time kFirstTime = Time::FromMilliseconds(0);
inline constexpr Time kLastTime = Time::FromMilliseconds(253402300799999);

// ISO 8601 in UTC with milliseconds: 2026-12-08T10:45:53.123Z. `time` within kFirstTime ..
// kLastTime.
std::string TimeText(Time time);

// A time as TimeText writes it, or without its milliseconds (2026-12-08T10:45:53Z); nothing for
// anything else: another form, a day the month does not have, a leap second, a time outside
// the years 1970 to 9999.
std::optional<Time> ReadTime(std::string_view text);

// The platform's clock, for the front ends.
Time Now();

}  // namespace petcalc::book

#pragma once

#include <algorithm>
#include <array>
#include <string_view>

namespace petcalc::testing {

// The pet of the typical request, written once for every test that needs one: its six stats
// (Level, Stamina, Attack, Defence, Agility, Inspiration) as obtained, in Text1..Text6, and now,
// in Text7..Text12, and what the window shows for it.
using StatRow = std::array<std::u16string_view, 6>;

inline constexpr StatRow kTypicalInitial = {u"1", u"50", u"20", u"30", u"10", u"10"};
inline constexpr StatRow kTypicalCurrent = {u"11", u"75", u"50", u"60", u"30", u"30"};

// After "计 算": the growth row, Text13..Text18 (the Level cell stays empty), and the sums.
inline constexpr StatRow kTypicalGrowth = {u"", u"2.5", u"3", u"3", u"2", u"2"};
inline constexpr std::u16string_view kTypicalThreeStatSum = u"8";  // Text25
inline constexpr std::u16string_view kTypicalTotalSum = u"10";     // Text26

// After "预 测" for the target level in Text41: Text42..Text46.
inline constexpr std::u16string_view kTypicalTarget = u"21";
inline constexpr std::array<std::u16string_view, 5> kTypicalPredictions = {u"100", u"80", u"90",
                                                                           u"50", u"50"};

// Both rows of stats in gathering order, Text1..Text12.
constexpr std::array<std::u16string_view, 12> JoinStats(const StatRow& initial,
                                                        const StatRow& current) {
  std::array<std::u16string_view, 12> stats{};
  std::copy(initial.begin(), initial.end(), stats.begin());
  std::copy(current.begin(), current.end(), stats.begin() + 6);
  return stats;
}

inline constexpr std::array<std::u16string_view, 12> kTypicalStats =
    JoinStats(kTypicalInitial, kTypicalCurrent);

}  // namespace petcalc::testing

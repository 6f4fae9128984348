#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <utility>

#include "form/grid.h"

namespace petcalc::form {

// The pet's six stats, Level to Inspiration, as the window's grid holds them: the one table of
// which box holds which stat of which row, for the calculations, the book, its formats and every
// front end. A box's accessible name says the stat and the row in words (初始体力, 体力成长率).

// A stat's name as the window shows it over its column, without the heading's spacing: 体力.
struct StatName {
  std::array<char16_t, 4> units{};
  std::size_t size = 0;

  constexpr std::u16string_view view() const { return {units.data(), size}; }
};

// What the grid holds of one stat, one box a row.
struct StatBoxes {
  Label heading;
  TextBox initial;     // as the pet was obtained
  TextBox current;     // now
  TextBox growth;      // its growth per level gained; Level's (Text13) is never written
  TextBox prediction;  // at the target level; Level's is the target level itself (Text41)
};

namespace stats {

// The grid's rows by what they hold.
inline constexpr std::size_t kInitialRow = 0, kCurrentRow = 1, kGrowthRow = 2, kPredictionRow = 3;

constexpr StatName Unspaced(std::u16string_view caption) {
  StatName name;
  for (const char16_t unit : caption) {
    if (unit != u' ') name.units.at(name.size++) = unit;
  }
  return name;
}

constexpr std::array<StatName, kStatCount> Names() {
  std::array<StatName, kStatCount> names{};
  for (std::size_t stat = 0; stat < kStatCount; ++stat) {
    names[stat] = Unspaced(kColumnHeadings[stat].description().caption);
  }
  return names;
}

inline constexpr std::array<StatName, kStatCount> kNames = Names();

constexpr StatBoxes BoxesOf(std::size_t stat) {
  return {kColumnHeadings[stat], kGridRows[kInitialRow].cells[stat],
          kGridRows[kCurrentRow].cells[stat], kGridRows[kGrowthRow].cells[stat],
          kGridRows[kPredictionRow].cells[stat]};
}

template <std::size_t... kStat>
constexpr std::array<StatBoxes, kStatCount> Boxes(std::index_sequence<kStat...>) {
  return {{BoxesOf(kStat)...}};
}

}  // namespace stats

// Level, Stamina, Attack, Defence, Agility, Inspiration.
inline constexpr std::array<StatBoxes, kStatCount> kStats =
    stats::Boxes(std::make_index_sequence<kStatCount>{});
inline constexpr std::size_t kLevel = 0, kStamina = 1, kAttack = 2, kDefence = 3, kAgility = 4,
                             kInspiration = 5;

// The five stats that grow and are predicted: Stamina to Inspiration.
inline constexpr std::size_t kFirstGrownStat = kLevel + 1;
inline constexpr std::size_t kGrownStatCount = kStatCount - kFirstGrownStat;
inline constexpr std::span<const StatBoxes, kGrownStatCount> kGrownStats{
    kStats.data() + kFirstGrownStat, kGrownStatCount};

// A stat's name, as its column's heading shows it without the spacing: 等级 … 灵感.
constexpr std::u16string_view StatNameOf(std::size_t stat) { return stats::kNames[stat].view(); }

// The twelve boxes a player types the stats into, in the order they are gathered: Level to
// Inspiration as obtained, then now.
inline constexpr std::size_t kStatBoxCount = 2 * kStatCount;
constexpr TextBox StatBox(std::size_t index) {
  const StatBoxes& stat = kStats[index % kStatCount];
  return index < kStatCount ? stat.initial : stat.current;
}

// The target level's box, the one box a player types into besides the twelve.
inline constexpr TextBox kTargetLevelBox = kStats[kLevel].prediction;

namespace stats {

// Each box's accessible name says its stat by the stat's name.
constexpr bool NamesSayTheirStat() {
  for (std::size_t stat = 0; stat < kStatCount; ++stat) {
    for (const TextBox box : {kStats[stat].initial, kStats[stat].current, kStats[stat].growth,
                              kStats[stat].prediction}) {
      if (box.description().accessible_name.find(StatNameOf(stat)) == std::u16string_view::npos) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace stats

static_assert(stats::NamesSayTheirStat(), "a box's accessible name does not name its stat");

}  // namespace petcalc::form

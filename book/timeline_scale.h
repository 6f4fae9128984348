#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "book/record.h"
#include "form/stats.h"

namespace petcalc::book {

// Where a pet's records stand in the chart of its timeline, each growth against the levels
// gained, for every front end's drawing of it.
struct TimelineScale {
  std::vector<double> gained;            // each record's levels gained, in the records' order
  double fewest = 0, most = 0;           // the fewest and the most levels gained
  std::int64_t lowest = 0, highest = 0;  // the lowest and the highest growth

  // How far along its axis a number of levels gained, or a growth, stands: 0 at the left or the
  // bottom, 1 at the right or the top; the middle where every value is the same.
  double Across(double levels) const;
  double Up(std::int64_t growth) const;
};

// The scale of `records`, which are not empty.
TimelineScale ScaleOf(const std::vector<const Record*>& records);

// One colour a grown stat (0xRRGGBB), told apart in both schemes and by colour-blind players.
inline constexpr std::array<std::uint32_t, form::kGrownStatCount> kTimelineColours = {
    0x0072b2, 0xd55e00, 0x009e73, 0xcc79a7, 0xe69f00};

}  // namespace petcalc::book

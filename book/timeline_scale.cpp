#include "book/timeline_scale.h"

#include <algorithm>

namespace petcalc::book {
namespace {

// `value` between `low` and `high`, from 0 to 1; apart by one each way where they are equal.
double Along(double value, double low, double high) {
  if (low == high) {
    low -= 1;
    high += 1;
  }
  return (value - low) / (high - low);
}

}  // namespace

double TimelineScale::Across(double levels) const { return Along(levels, fewest, most); }

double TimelineScale::Up(std::int64_t growth) const {
  return Along(static_cast<double>(growth), static_cast<double>(lowest),
               static_cast<double>(highest));
}

TimelineScale ScaleOf(const std::vector<const Record*>& records) {
  TimelineScale scale;
  std::vector<std::int64_t> growths;
  for (const Record* record : records) {
    scale.gained.push_back(static_cast<double>(record->stats[form::kStatCount + form::kLevel]) -
                           record->stats[form::kLevel]);
    growths.insert(growths.end(), record->growth.per_level.begin(), record->growth.per_level.end());
  }
  const auto [fewest, most] = std::minmax_element(scale.gained.begin(), scale.gained.end());
  const auto [lowest, highest] = std::minmax_element(growths.begin(), growths.end());
  scale.fewest = *fewest;
  scale.most = *most;
  scale.lowest = *lowest;
  scale.highest = *highest;
  return scale;
}

}  // namespace petcalc::book

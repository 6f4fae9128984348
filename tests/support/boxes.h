#pragma once

#include <array>
#include <string_view>
#include <utility>

#include "form/controls.h"
#include "form/grid.h"
#include "form/stats.h"

namespace petcalc::testing {

namespace boxes {

// The boxes at(0) .. at(kCount - 1).
template <std::size_t kCount, typename At>
constexpr std::array<form::TextBox, kCount> Boxes(At at) {
  return [&at]<std::size_t... kIndex>(std::index_sequence<kIndex...>) {
    return std::array<form::TextBox, kCount>{at(kIndex)...};
  }
  (std::make_index_sequence<kCount>{});
}

}  // namespace boxes

// The twelve stat boxes in gathering order: Level to Inspiration as obtained, then now.
inline constexpr auto kStatBoxes = boxes::Boxes<form::kStatBoxCount>(form::StatBox);

// The five growth boxes and the five prediction boxes, Stamina to Inspiration.
inline constexpr auto kGrowthBoxes =
    boxes::Boxes<form::kGrownStatCount>([](std::size_t i) { return form::kGrownStats[i].growth; });
inline constexpr auto kPredictionBoxes = boxes::Boxes<form::kGrownStatCount>(
    [](std::size_t i) { return form::kGrownStats[i].prediction; });

// Every box of the window as the grid shows it: four rows of six, then the two sums.
inline constexpr std::size_t kGridBoxCount = form::kGridRows.size() * form::kStatCount;
inline constexpr auto kAllBoxes =
    boxes::Boxes<kGridBoxCount + form::kSumRows.size()>([](std::size_t i) {
      return i < kGridBoxCount ? form::kGridRows[i / form::kStatCount].cells[i % form::kStatCount]
                               : form::kSumRows[i - kGridBoxCount].box;
    });

// The order Tab walks the window from the first button, as a player sees it.
inline constexpr std::string_view kExpectedTabOrder =
    "Command1 Text1 Text2 Text3 Text4 Text5 Text6 Text7 Text8 Text9 Text10 Text11 Text12 Text41 "
    "Command2 Text13 Text14 Text15 Text16 Text17 Text18 Text42 Text43 Text44 Text45 Text46 "
    "Text25 Text26";

}  // namespace petcalc::testing

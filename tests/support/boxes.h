#pragma once

#include <array>
#include <string_view>
#include <utility>

#include "form/controls.h"
#include "form/grid.h"

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

// A stat's cell of the grid: a Stamina-to-Inspiration one when `first` is 1.
constexpr form::TextBox Cell(std::size_t row, std::size_t index, std::size_t first = 0) {
  const std::size_t per_row = form::kStatCount - first;
  return form::kGridRows[row + index / per_row].cells[first + index % per_row];
}

}  // namespace boxes

// The twelve stat boxes in gathering order: Level to Inspiration as obtained, then now.
inline constexpr auto kStatBoxes =
    boxes::Boxes<2 * form::kStatCount>([](std::size_t i) { return boxes::Cell(0, i); });

// The five growth boxes and the five prediction boxes, Stamina to Inspiration.
inline constexpr auto kGrowthBoxes =
    boxes::Boxes<form::kStatCount - 1>([](std::size_t i) { return boxes::Cell(2, i, 1); });
inline constexpr auto kPredictionBoxes =
    boxes::Boxes<form::kStatCount - 1>([](std::size_t i) { return boxes::Cell(3, i, 1); });

// Every box of the window as the grid shows it: four rows of six, then the two sums.
inline constexpr std::size_t kGridBoxCount = form::kGridRows.size() * form::kStatCount;
inline constexpr auto kAllBoxes =
    boxes::Boxes<kGridBoxCount + form::kSumRows.size()>([](std::size_t i) {
      return i < kGridBoxCount ? boxes::Cell(0, i) : form::kSumRows[i - kGridBoxCount].box;
    });

// The order Tab walks the window from the first button, as a player sees it.
inline constexpr std::string_view kExpectedTabOrder =
    "Command1 Text1 Text2 Text3 Text4 Text5 Text6 Text7 Text8 Text9 Text10 Text11 Text12 Text41 "
    "Command2 Text13 Text14 Text15 Text16 Text17 Text18 Text42 Text43 Text44 Text45 Text46 "
    "Text25 Text26";

}  // namespace petcalc::testing

#pragma once

#include <array>

#include "form/controls.h"

namespace petcalc::testing {

// The twelve stat boxes in gathering order: Level to Inspiration as obtained, then now.
inline constexpr auto kStatBoxes = std::to_array<form::TextBox>(
    {form::Text1, form::Text2, form::Text3, form::Text4, form::Text5, form::Text6, form::Text7,
     form::Text8, form::Text9, form::Text10, form::Text11, form::Text12});

// The five growth boxes and the five prediction boxes, Stamina to Inspiration.
inline constexpr auto kGrowthBoxes = std::to_array<form::TextBox>(
    {form::Text14, form::Text15, form::Text16, form::Text17, form::Text18});
inline constexpr auto kPredictionBoxes = std::to_array<form::TextBox>(
    {form::Text42, form::Text43, form::Text44, form::Text45, form::Text46});

// Every box of the window as the grid shows it: four rows of six, then the two sums.
inline constexpr auto kAllBoxes = std::to_array<form::TextBox>(
    {form::Text1,  form::Text2,  form::Text3,  form::Text4,  form::Text5,  form::Text6,
     form::Text7,  form::Text8,  form::Text9,  form::Text10, form::Text11, form::Text12,
     form::Text13, form::Text14, form::Text15, form::Text16, form::Text17, form::Text18,
     form::Text41, form::Text42, form::Text43, form::Text44, form::Text45, form::Text46,
     form::Text25, form::Text26});

// The order Tab walks the window from the first button, as a player sees it.
inline constexpr std::string_view kExpectedTabOrder =
    "Command1 Text1 Text2 Text3 Text4 Text5 Text6 Text7 Text8 Text9 Text10 Text11 Text12 Text41 "
    "Command2 Text13 Text14 Text15 Text16 Text17 Text18 Text42 Text43 Text44 Text45 Text46 "
    "Text25 Text26";

}  // namespace petcalc::testing

#pragma once

#include <string_view>

namespace petcalc::form {

// The interface font: the platform's Simplified Chinese user-interface face at 9 points, whose
// single line is 12 pixels high at 96 dpi. The window, its labels and boxes, and the dialogs.
inline constexpr int kInterfacePointSize = 9;

// The two buttons' face, bold; where it is missing, each front end falls back to a face of its
// platform.
inline constexpr std::u16string_view kButtonFace = u"方正姚体";
inline constexpr int kButtonPointSize = 12;

}  // namespace petcalc::form

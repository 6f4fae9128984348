#pragma once

#include <array>
#include <string_view>

#include "form/twips.h"

namespace petcalc::form {

inline constexpr int kPointsPerInch = 72;

// Each face by its English family name first, then its Chinese one: Windows matches a localized
// family name reliably only under a Chinese system locale.

// The interface font: Windows' Simplified Chinese system face 宋体 (SimSun), or the platform's
// Simplified Chinese user-interface face, at 9 points, whose single line is 12 pixels high at
// 96 dpi. The window, its labels and boxes, and the dialogs.
inline constexpr std::array<std::u16string_view, 2> kInterfaceFaces = {u"SimSun", u"宋体"};
inline constexpr int kInterfacePointSize = 9;

// The two buttons' face, bold; where it is missing, each front end falls back to a face of its
// platform.
inline constexpr std::array<std::u16string_view, 2> kButtonFaces = {u"FZYaoTi", u"方正姚体"};
inline constexpr int kButtonPointSize = 12;

// A size in points as pixels at 96 dpi, as a page's CSS pixels count them: 9 points are 12.
constexpr int PointsToPixels(int points) { return points * kStandardDpi / kPointsPerInch; }

}  // namespace petcalc::form

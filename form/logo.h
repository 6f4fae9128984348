#pragma once

#include <algorithm>
#include <array>
#include <string_view>

#include "form/layout.h"

namespace petcalc::form {

// The logo is shown at its own size, which is its picture's box: 113 × 57 pixels at 96 dpi.
inline constexpr PixelSize kLogoSize = {PixelsOf(Image1).width, PixelsOf(Image1).height};

// The logo's renditions, drawn for densities 1, 2 and 3: the program's JPEG, then two PNGs.
inline constexpr std::array<std::string_view, 3> kLogoRenditions = {"logo.jpg", "logo@2x.png",
                                                                    "logo@3x.png"};

// The density whose rendition serves `dpi`: 1 up to 96 dpi, 2 up to 192, 3 beyond. Between two
// densities the larger rendition is shrunk rather than the smaller one blown up.
constexpr int LogoDensity(int dpi) {
  return std::clamp((dpi + kStandardDpi - 1) / kStandardDpi, 1,
                    static_cast<int>(kLogoRenditions.size()));
}

}  // namespace petcalc::form

#pragma once

#include "form/controls.h"
#include "form/twips.h"

namespace petcalc::form {

// The window's client area in pixels at `dpi`: 409 × 188 at 96 dpi.
constexpr PixelSize ClientSize(int dpi = kStandardDpi) {
  return {TwipsToPixels(kForm1ClientWidth, dpi), TwipsToPixels(kForm1ClientHeight, dpi)};
}

// A control's stored rectangle in pixels at `dpi`. An auto-sized label keeps its left and top
// and takes the size of its caption in the front end's font instead.
constexpr PixelRect PixelsOf(Control control, int dpi = kStandardDpi) {
  return ToPixels(control.description().rect, dpi);
}

// The one control stacked below all the others: the picture, whose top two pixel rows lie under
// the prediction row's boxes, which are drawn over it.
inline constexpr Picture kStackedBelowAll = Image1;

}  // namespace petcalc::form

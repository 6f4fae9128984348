#pragma once

#include <QRect>

#include "form/twips.h"

namespace petcalc::qt {

// A rectangle of the form in device-independent pixels, which Qt's high-DPI scaling then maps
// to physical pixels.
constexpr QRect ToQRect(form::PixelRect r) { return {r.left, r.top, r.width, r.height}; }

}  // namespace petcalc::qt

#pragma once

#include <QRect>

#include "form/twips.h"

namespace petcalc::qt {

// A twips rectangle in device-independent pixels, which Qt's high-DPI scaling then maps to
// physical pixels.
constexpr QRect ToPixels(form::TwipRect r) {
  return {form::TwipsToPixels(r.left), form::TwipsToPixels(r.top), form::TwipsToPixels(r.width),
          form::TwipsToPixels(r.height)};
}

}  // namespace petcalc::qt

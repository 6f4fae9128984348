#pragma once

#include <windows.h>

#include "win32/handles.h"

namespace petcalc::win32 {

// The logo as the picture draws it at `dpi`: 113 × 57 pixels scaled by dpi / 96. At 96 dpi it is
// the JPEG itself, pixel for pixel; at 192 and 288 dpi the rendition drawn for that density;
// between them the next larger rendition shrunk. The renditions are the executable's bitmap
// resources, decoded when it was built, so the first paint needs no image decoder. Gives nothing
// when the bitmap cannot be loaded.
UniqueBitmap LoadLogo(HINSTANCE instance, int dpi);

}  // namespace petcalc::win32

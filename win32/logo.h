#pragma once

#include <windows.h>

#include "win32/handles.h"

namespace petcalc::win32 {

// The logo as the picture draws it at `dpi`: 113 × 57 pixels scaled by dpi / 96. At 96 dpi it is
// the JPEG itself, pixel for pixel; at 192 and 288 dpi the rendition drawn for that density;
// between them the next larger rendition shrunk. Decoded with the Windows Imaging Component
// from the executable's resources, on the window's thread, which the first call joins to COM.
// Gives nothing when the image cannot be decoded.
UniqueBitmap LoadLogo(HINSTANCE instance, int dpi);

}  // namespace petcalc::win32

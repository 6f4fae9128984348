#pragma once

#include <windows.h>

namespace petcalc::win32 {

// Whether a WM_KEYDOWN is a repeat of a key held down, from its key data (bit 30: the key was
// already down).
inline bool IsKeyRepeat(LPARAM key_data) { return (key_data & (LPARAM{1} << 30)) != 0; }

}  // namespace petcalc::win32

#pragma once

#include <windows.h>

namespace petcalc::win32 {

// The whole program: the common controls, the window shown as `show` asks, and its messages
// until it is closed. Gives the exit code.
int RunApplication(HINSTANCE instance, int show);

}  // namespace petcalc::win32

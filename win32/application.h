#pragma once

#include <windows.h>

namespace petcalc::win32 {

// The whole program: the common controls, the window shown as `show` asks, COM for the thread,
// and the window's messages until it is closed. Gives the exit code.
int RunApplication(HINSTANCE instance, int show);

}  // namespace petcalc::win32

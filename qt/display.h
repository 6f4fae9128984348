#pragma once

namespace petcalc::qt {

// Whether Qt can open a window here: a platform named in QT_QPA_PLATFORM, or an X11 or Wayland
// display. Asked before the application exists, since Qt aborts when it finds none.
bool HasDisplay();

// Says in one line, in Chinese and English, that this is a desktop program that needs a
// graphical session; gives the exit status 1.
int ExplainNoDisplay();

}  // namespace petcalc::qt

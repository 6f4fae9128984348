#pragma once

namespace petcalc::qt {

// Names the program and its version (1.00), and gives every window the icon and the
// interface font. Call once, right after creating the QApplication.
void SetUpApplication();

}  // namespace petcalc::qt

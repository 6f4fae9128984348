#pragma once

#include <memory>

class QWidget;

namespace petcalc::bench {

// The floor the window is measured against: a bare QWidget holding 41 plain Qt widgets of the
// same kinds, at the same places, with the same captions, the buttons in the buttons' font (the
// rest in the application's, which the program sets as the window's does), and nothing else:
// no icon, no logo, no tab order, no connections, no catalogue of Qt's texts.
std::unique_ptr<QWidget> BuildFloorWindow();

}  // namespace petcalc::bench

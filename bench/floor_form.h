#pragma once

#include <memory>

class QWidget;

namespace petcalc::bench {

// The floor the window is measured against: a bare QWidget holding 41 plain Qt widgets of the
// same kinds, at the same places, with the same captions, and nothing else: no fonts named, no
// icon, no logo, no tab order, no connections.
std::unique_ptr<QWidget> BuildFloorWindow();

}  // namespace petcalc::bench

#pragma once

#include <windows.h>

#include <vector>

#include "book/record.h"

namespace petcalc::win32 {

// Each growth of a pet's records against the levels gained, drawn into `area` of `dc`: a line a
// stat in its colour, a point a record, the ends of both axes labelled.
void DrawTimeline(HDC dc, const RECT& area, const std::vector<const book::Record*>& records);

// The colour of each grown stat's line, for the table that names them.
COLORREF TimelineColour(std::size_t stat);

}  // namespace petcalc::win32

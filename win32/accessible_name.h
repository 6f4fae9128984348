#pragma once

#include <windows.h>

#include <string_view>

namespace petcalc::win32 {

// Gives a control the name a screen reader announces for it, in place of the one the system
// would derive (for a box, the text of a label created before it, which the window's boxes
// lack). The control then answers WM_GETOBJECT for its client object with the system's own
// accessible object for it, its name replaced; everything else stays the system's. Dynamic
// annotation (IAccPropServices::SetHwndPropStr) would say the same in one call on Windows, but
// wine does not implement it; an answer to WM_GETOBJECT is read the same on both. Needs COM on
// the thread. The name lives as long as the control; a second call renames it. Only from the thread
// that made the control.
void SetAccessibleName(HWND control, std::u16string_view name);

}  // namespace petcalc::win32

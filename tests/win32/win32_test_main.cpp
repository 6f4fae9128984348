// clang-format off: windows.h first, as the other Windows headers build on it.
#include <windows.h>
// clang-format on
#include <commctrl.h>
#include <gtest/gtest.h>

#include "win32/com_apartment.h"

// GoogleTest's main for the Windows window tests: the common controls and COM, as the program
// itself sets them up.
int main(int argc, char** argv) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  const petcalc::win32::ComApartment com;
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

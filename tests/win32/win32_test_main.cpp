// clang-format off: windows.h first, as the other Windows headers build on it.
#include <windows.h>
// clang-format on
#include <gtest/gtest.h>

#include "win32/com_apartment.h"

// GoogleTest's main for the Windows window tests: COM, as the program itself joins it.
int main(int argc, char** argv) {
  const petcalc::win32::ComApartment com;
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

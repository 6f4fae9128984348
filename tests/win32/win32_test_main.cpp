// clang-format off: windows.h first, as the other Windows headers build on it.
#include <windows.h>
// clang-format on
#include <commctrl.h>
#include <gtest/gtest.h>
#include <objbase.h>

// GoogleTest's main for the Windows window tests: COM for the logo's decoder and the common
// controls, as the program itself sets them up.
int main(int argc, char** argv) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  ::testing::InitGoogleTest(&argc, argv);
  const int status = RUN_ALL_TESTS();
  CoUninitialize();
  return status;
}

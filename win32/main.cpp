#include <windows.h>

#include "win32/application.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  return petcalc::win32::RunApplication(instance, show);
}

#include "win32/application.h"

#include <commctrl.h>

#include <exception>

#include "win32/form1_window.h"

namespace petcalc::win32 {

int RunApplication(HINSTANCE instance, int show) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  int status = 1;
  try {
    Form1Window window(instance);
    ShowWindow(window.hwnd(), show);
    UpdateWindow(window.hwnd());
    status = RunMessageLoop(window);
  } catch (const std::exception&) {  // the window could not be made: nothing to show it in
  }
  return status;
}

}  // namespace petcalc::win32

#include "win32/application.h"

#include <exception>

#include "win32/com_apartment.h"
#include "win32/form1_window.h"

namespace petcalc::win32 {

// The manifest's common controls 6 come with the first control made; nothing starts them before.
int RunApplication(HINSTANCE instance, int show) {
  int status = 1;
  try {
    Form1Window window(instance);
    ShowWindow(window.hwnd(), show);
    UpdateWindow(window.hwnd());
    // Started once the window is on the screen, before any message can ask for it.
    const ComApartment com;
    status = RunMessageLoop(window);
  } catch (const std::exception&) {  // the window could not be made: nothing to show it in
  }
  return status;
}

}  // namespace petcalc::win32

#include "qt/display.h"

#include <QtGlobal>
#include <cstdio>

namespace petcalc::qt {

bool HasDisplay() {
  return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
         !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

int ExplainNoDisplay() {
  std::fputs(
      "petcalc: 这是桌面程序，需要图形会话（没有 X11 或 Wayland 显示）。"
      " This is a desktop program and needs a graphical session (no X11 or Wayland display).\n",
      stderr);
  return 1;
}

}  // namespace petcalc::qt

// Usage: startup_probe [--any-window] <program> [arguments...]
// Starts the program on the current X display, waits until it maps a top-level window, watches
// the window's damage (the X server's report of every drawing into it) until none has come for
// half a second, stops it, and prints three numbers: the milliseconds from exec to the map, the
// program's peak resident memory in KiB, and the milliseconds from exec to the last drawing into
// the window (its first paint done).
// --any-window counts override-redirect windows too, as wine makes them when no window manager
// is to manage them.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <string_view>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kTimeoutMilliseconds = 20'000;
constexpr auto kSettle = std::chrono::milliseconds(500);

// The mapped window, or None.
Window WaitForMap(Display* display, bool any_window) {
  const int fd = ConnectionNumber(display);
  for (;;) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && (any_window || !event.xmap.override_redirect)) {
        return event.xmap.window;
      }
    }
    pollfd ready{fd, POLLIN, 0};
    if (poll(&ready, 1, kTimeoutMilliseconds) <= 0) return None;
  }
}

// The moment of the last drawing into the window before none came for kSettle.
Clock::time_point WaitUntilPainted(Display* display, Window window, Clock::time_point mapped) {
  int damage_event = 0;
  int damage_error = 0;
  if (XDamageQueryExtension(display, &damage_event, &damage_error) == 0) return mapped;
  const Damage damage = XDamageCreate(display, window, XDamageReportRawRectangles);
  XSync(display, False);
  const int fd = ConnectionNumber(display);
  Clock::time_point changed = mapped;
  for (;;) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == damage_event + XDamageNotify) changed = Clock::now();
    }
    const auto left = kSettle - (Clock::now() - changed);
    if (left <= Clock::duration::zero()) break;
    pollfd ready{fd, POLLIN, 0};
    poll(&ready, 1, static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count()));
  }
  XDamageDestroy(display, damage);
  return changed;
}

int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

}  // namespace

int main(int argc, char* argv[]) {
  const bool any_window = argc > 1 && std::string_view(argv[1]) == "--any-window";
  if (any_window) {
    --argc;
    ++argv;
  }
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s [--any-window] program [arguments...]\n", argv[0]);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "startup_probe: no X display\n");
    return 2;
  }
  XSetErrorHandler(IgnoreErrors);
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const auto start = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  const Window window = WaitForMap(display, any_window);
  const bool mapped = window != None;
  const auto map_time = Clock::now();
  const auto painted = mapped ? WaitUntilPainted(display, window, map_time) : map_time;

  kill(child, SIGTERM);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  XCloseDisplay(display);
  if (!mapped) {
    std::fprintf(stderr, "startup_probe: %s mapped no window\n", argv[1]);
    return 1;
  }
  const auto milliseconds = [start](Clock::time_point then) {
    return std::chrono::duration<double, std::milli>(then - start).count();
  };
  std::printf("%.2f %ld %.2f\n", milliseconds(map_time), usage.ru_maxrss, milliseconds(painted));
  return 0;
}

// Usage: startup_probe [--any-window] <program> [arguments...]
// Starts the program on the current X display, waits until it maps a top-level window, lets it
// paint for a moment, stops it, and prints two numbers: the milliseconds from exec to the map,
// and the program's peak resident memory in KiB. --any-window counts override-redirect windows
// too, as wine makes them when no window manager is to manage them.
#include <X11/Xlib.h>
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

constexpr int kTimeoutMilliseconds = 20'000;
constexpr auto kSettle = std::chrono::milliseconds(500);

bool WaitForMap(Display* display, bool any_window) {
  const int fd = ConnectionNumber(display);
  for (;;) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && (any_window || !event.xmap.override_redirect)) return true;
    }
    pollfd ready{fd, POLLIN, 0};
    if (poll(&ready, 1, kTimeoutMilliseconds) <= 0) return false;
  }
}

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
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  const bool mapped = WaitForMap(display, any_window);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  if (mapped) std::this_thread::sleep_for(kSettle);

  kill(child, SIGTERM);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  XCloseDisplay(display);
  if (!mapped) {
    std::fprintf(stderr, "startup_probe: %s mapped no window\n", argv[1]);
    return 1;
  }
  std::printf("%.2f %ld\n", std::chrono::duration<double, std::milli>(elapsed).count(),
              usage.ru_maxrss);
  return 0;
}

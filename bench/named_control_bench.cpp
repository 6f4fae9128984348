// Where a named control keeps what its window procedure needs, measured under wine: the cost of
// one message (WM_GETTEXTLENGTH) to an EDIT control whose procedure finds its own procedure in a
// process-wide map (as win32/accessible_name.cpp does), in the control's GWLP_USERDATA, or in a
// window property (as SetWindowSubclass keeps it), against a control left as it is. Prints a
// Markdown table of the best of three rounds of 200,000 messages each.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <unordered_map>

namespace {

constexpr wchar_t kProperty[] = L"PetCalcNamed";

std::unordered_map<HWND, WNDPROC>& Named() {
  static std::unordered_map<HWND, WNDPROC> named;
  return named;
}

LRESULT CALLBACK ByMap(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return CallWindowProcW(Named().find(window)->second, window, message, wparam, lparam);
}

LRESULT CALLBACK ByUserData(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const auto own = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return CallWindowProcW(own, window, message, wparam, lparam);
}

LRESULT CALLBACK ByProperty(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const auto own = reinterpret_cast<WNDPROC>(GetPropW(window, kProperty));
  return CallWindowProcW(own, window, message, wparam, lparam);
}

HWND Edit() {
  return CreateWindowExW(0, L"EDIT", L"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

WNDPROC Subclass(HWND window, WNDPROC procedure) {
  return reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

double NanosecondsPerMessage(HWND window) {
  constexpr int kMessages = 200'000;
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  for (int i = 0; i < kMessages; ++i) SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  QueryPerformanceCounter(&end);
  return static_cast<double>(end.QuadPart - start.QuadPart) * 1e9 /
         static_cast<double>(frequency.QuadPart) / kMessages;
}

double Best(HWND window) {
  double best = NanosecondsPerMessage(window);
  for (int round = 1; round < 3; ++round) best = std::min(best, NanosecondsPerMessage(window));
  return best;
}

}  // namespace

int wmain() {
  const HWND plain = Edit();
  const HWND by_map = Edit();
  const HWND by_user_data = Edit();
  const HWND by_property = Edit();
  Named()[by_map] = Subclass(by_map, ByMap);
  SetWindowLongPtrW(by_user_data, GWLP_USERDATA,
                    reinterpret_cast<LONG_PTR>(Subclass(by_user_data, ByUserData)));
  SetPropW(by_property, kProperty, reinterpret_cast<HANDLE>(Subclass(by_property, ByProperty)));

  const double floor = Best(plain);
  std::printf(
      "| Where a named control finds its procedure | per message | over a plain control |\n");
  std::printf("|---|---|---|\n");
  std::printf("| a plain control (the floor) | %.0f ns | |\n", floor);
  for (const auto& [what, window] : {std::pair{"a process-wide map (kept)", by_map},
                                     std::pair{"the control's GWLP_USERDATA", by_user_data},
                                     std::pair{"a window property", by_property}}) {
    const double cost = Best(window);
    std::printf("| %s | %.0f ns | %+.0f ns |\n", what, cost, cost - floor);
  }
  return 0;
}

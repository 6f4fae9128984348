#pragma once

#include <windows.h>

namespace petcalc::win32 {

// A system library loaded on its first use, and kept for the rest of the program. Under wine
// COM's libraries take tens of milliseconds to load and start, so the window shows first and
// loads them after; on Windows the cost is small, and the result the same.
class SystemLibrary {
 public:
  explicit SystemLibrary(const wchar_t* file) : file_(file) {}

  // The exported function of that name, typed as `Function` (a function type, as decltype of
  // its declaration gives it), or null when the library or the function is missing.
  template <typename Function>
  Function* Get(const char* name) {
    if (module_ == nullptr) module_ = LoadLibraryW(file_);
    if (module_ == nullptr) return nullptr;
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  }

 private:
  const wchar_t* file_;
  HMODULE module_ = nullptr;
};

}  // namespace petcalc::win32

#pragma once

#include <windows.h>

#include "win32/handles.h"

namespace petcalc::win32 {

// A system library loaded on its first use, and kept until the program ends. Under wine COM's
// libraries take tens of milliseconds to load and start, so the window shows first and loads
// them after; on Windows the cost is small, and the result the same.
class SystemLibrary {
 public:
  explicit SystemLibrary(const wchar_t* file) : file_(file) {}

  // The exported function of that name, typed as `Function` (a function type, as decltype of
  // its declaration gives it), or null when the library or the function is missing.
  template <typename Function>
  Function* Get(const char* name) {
    if (!module_) module_.reset(LoadLibraryW(file_));
    if (!module_) return nullptr;
    return reinterpret_cast<Function*>(
        reinterpret_cast<void*>(GetProcAddress(module_.get(), name)));
  }

 private:
  const wchar_t* file_;
  UniqueLibrary module_;
};

// The system's libraries that only the book and the dialogs call, each loaded once, when first
// called: none is loaded before the window shows.
inline SystemLibrary& CommonControls() {  // version 6, as the program's manifest asks
  static SystemLibrary library(L"comctl32.dll");
  return library;
}
inline SystemLibrary& CommonDialogs() {
  static SystemLibrary library(L"comdlg32.dll");
  return library;
}
inline SystemLibrary& Shell() {
  static SystemLibrary library(L"shell32.dll");
  return library;
}
inline SystemLibrary& Ole32() {
  static SystemLibrary library(L"ole32.dll");
  return library;
}

}  // namespace petcalc::win32

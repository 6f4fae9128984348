#pragma once

#include <windows.h>

#include <utility>

namespace petcalc::win32 {

// Owners of what the window opens and must close: GDI objects, device contexts, a hook, a
// library, COM on the thread, COM interfaces. Nothing leaks on an early return.

// One thing opened, closed once when its owner goes: `kClose` is called with the value, unless
// it is `kNone`, which means nothing was opened. Serves everything opened and closed in pairs
// by one value.
template <typename T, auto kClose, T kNone = T{}>
class Unique {
 public:
  Unique() = default;
  explicit Unique(T value) : value_(value) {}
  Unique(Unique&& other) noexcept : value_(std::exchange(other.value_, kNone)) {}
  Unique& operator=(Unique&& other) noexcept {
    reset(std::exchange(other.value_, kNone));
    return *this;
  }
  ~Unique() { reset(); }

  T get() const { return value_; }
  explicit operator bool() const { return value_ != kNone; }
  // Closes what is held, then holds `value`.
  void reset(T value = kNone) {
    if (value_ != kNone) kClose(value_);
    value_ = value;
  }

 private:
  T value_ = kNone;
};

using UniqueFont = Unique<HFONT, DeleteObject>;
using UniqueBitmap = Unique<HBITMAP, DeleteObject>;
using UniqueIcon = Unique<HICON, DestroyIcon>;
// A memory device context, made by CreateCompatibleDC.
using UniqueDc = Unique<HDC, DeleteDC>;
using UniqueHook = Unique<HHOOK, UnhookWindowsHookEx>;
using UniqueLibrary = Unique<HMODULE, FreeLibrary>;

// A window's device context (the screen's for no window), released on leaving.
class WindowDc {
 public:
  explicit WindowDc(HWND window = nullptr) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() { ReleaseDC(window_, dc_); }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;

  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// An object selected into a device context, the previous one selected back on leaving.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, previous_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A COM interface pointer that releases its reference.
template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ~ComPtr() {
    if (pointer_ != nullptr) pointer_->Release();
  }

  T* get() const { return pointer_; }
  T* operator->() const { return pointer_; }
  // For the functions that hand out a new reference through a T** argument.
  T** put() {
    if (pointer_ != nullptr) std::exchange(pointer_, nullptr)->Release();
    return &pointer_;
  }
  // For the functions that hand out a new reference through a void** argument.
  void** put_void() { return reinterpret_cast<void**>(put()); }

 private:
  T* pointer_ = nullptr;
};

}  // namespace petcalc::win32

#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>
#include <utility>

namespace petcalc::win32 {

// Owners of the GDI objects and COM interfaces the window uses, so nothing leaks on an early
// return.

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;

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

 private:
  T* pointer_ = nullptr;
};

}  // namespace petcalc::win32

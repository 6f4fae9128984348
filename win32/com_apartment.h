#pragma once

#include <windows.h>

#include "win32/handles.h"

namespace petcalc::win32 {

// COM on this thread, apartment-threaded, for as long as the object lives: the program holds one
// from its start, once its window shows, to its exit, for the accessibility objects screen
// readers ask the window for. Where the thread already joined COM in the other mode it goes on
// in that mode, and ends nothing.
class ComApartment {
 public:
  ComApartment();

 private:
  static void Leave(bool joined);

  Unique<bool, &ComApartment::Leave> joined_;
};

}  // namespace petcalc::win32

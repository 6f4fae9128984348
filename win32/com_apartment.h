#pragma once

#include <windows.h>

namespace petcalc::win32 {

// COM on this thread, apartment-threaded, for as long as the object lives: the program holds one
// from its start, once its window shows, to its exit, for the accessibility objects screen
// readers ask the window for. Where the thread already joined COM in the other mode it goes on
// in that mode, and ends nothing.
class ComApartment {
 public:
  ComApartment();
  ~ComApartment();
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

  bool joined() const { return joined_; }

 private:
  bool joined_ = false;
};

}  // namespace petcalc::win32

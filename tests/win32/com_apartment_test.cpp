#include "win32/com_apartment.h"

#include <gtest/gtest.h>
#include <objbase.h>

#include <thread>

namespace petcalc::win32 {
namespace {

// Each case on a thread of its own, which starts outside COM.
template <typename Body>
void OnFreshThread(Body body) {
  std::thread(body).join();
}

TEST(ComApartment, JoinsForItsLifetimeAndEndsWhatItStarted) {
  OnFreshThread([] {
    {
      const ComApartment com;
      EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_FALSE);  // already in
      CoUninitialize();
    }
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);  // ended: any mode now
    CoUninitialize();
  });
}

TEST(ComApartment, GoesOnInTheModeTheThreadAlreadyHasAndEndsNothing) {
  OnFreshThread([] {
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    { const ComApartment com; }
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);  // still joined
    CoUninitialize();
    CoUninitialize();
  });
}

}  // namespace
}  // namespace petcalc::win32

#include "win32/com_apartment.h"

#include <objbase.h>

#include "win32/system_library.h"

namespace petcalc::win32 {
namespace {

// RPC_E_CHANGED_MODE leaves COM usable in the mode the thread already has; only a successful
// call, S_FALSE included, is balanced by CoUninitialize.
bool Join() {
  auto* initialize = Ole32().Get<decltype(CoInitializeEx)>("CoInitializeEx");
  return initialize != nullptr && SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
}

}  // namespace

ComApartment::ComApartment() : joined_(Join()) {}

void ComApartment::Leave(bool /*joined*/) {
  Ole32().Get<decltype(CoUninitialize)>("CoUninitialize")();
}

}  // namespace petcalc::win32

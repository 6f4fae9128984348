#include "win32/com_apartment.h"

#include <objbase.h>

#include "win32/system_library.h"

namespace petcalc::win32 {
namespace {

SystemLibrary& Ole32() {
  static SystemLibrary library(L"ole32.dll");
  return library;
}

}  // namespace

// RPC_E_CHANGED_MODE leaves COM usable in the mode the thread already has; only a successful
// call, S_FALSE included, is balanced by CoUninitialize.
ComApartment::ComApartment() {
  auto* initialize = Ole32().Get<decltype(CoInitializeEx)>("CoInitializeEx");
  joined_ = initialize != nullptr && SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
}

ComApartment::~ComApartment() {
  if (joined_) Ole32().Get<decltype(CoUninitialize)>("CoUninitialize")();
}

}  // namespace petcalc::win32

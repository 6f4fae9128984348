// Any bytes as a link's fragment: refused, or read as the pet whose fragment it is exactly.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "book/share_link.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view fragment(reinterpret_cast<const char*>(data), size);
  const auto pet = petcalc::book::ReadShareFragment(fragment);
  if (pet) FUZZ_CHECK(petcalc::book::ShareFragment(*pet) == fragment);
  return 0;
}

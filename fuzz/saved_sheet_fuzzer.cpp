// Any bytes, read as UTF-16 text (two bytes a character, low byte first), as a saved sheet the
// page hands back: refused, or read as the sheet whose saved form it is exactly.
#include <cstddef>
#include <cstdint>
#include <string>

#include "calc/saved_sheet.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::u16string saved(size / 2, u'\0');
  for (std::size_t i = 0; i < saved.size(); ++i) {
    saved[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
  }
  const std::unique_ptr<petcalc::StatSheet> sheet = petcalc::ReadSavedSheet(saved);
  if (sheet != nullptr) FUZZ_CHECK(petcalc::SavedSheet(*sheet) == saved);
  return 0;
}

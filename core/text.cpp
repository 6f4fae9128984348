#include "core/text.h"

namespace petcalc {

std::u16string AsciiToText(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

}  // namespace petcalc

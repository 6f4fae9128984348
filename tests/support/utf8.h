#pragma once

#include <string>
#include <string_view>

namespace petcalc::testing {

// UTF-16 to UTF-8, so that logs and failure messages read as the window shows them. A lone
// surrogate becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);

}  // namespace petcalc::testing

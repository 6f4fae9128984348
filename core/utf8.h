#pragma once

#include <string>
#include <string_view>

namespace petcalc {

// UTF-16 to UTF-8, for what is written out as text: logs, failure messages, the web page. A lone
// surrogate becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);

}  // namespace petcalc

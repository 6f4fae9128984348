#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace petcalc::book::testing {

// GB18030 bytes as UTF-8, decoded strictly by the platform, as each front end decodes them: iconv
// on Linux, the browser's TextDecoder under Node, MultiByteToWideChar on Windows. Nothing where
// the bytes are not GB18030.
std::optional<std::string> Gb18030ToUtf8(std::string_view bytes);

}  // namespace petcalc::book::testing

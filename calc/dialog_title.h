#pragma once

#include <string_view>

namespace petcalc {

// The one title of every prompt and every refusal message.
inline constexpr std::u16string_view kDialogTitle = u"Tenvo友情提示";

}  // namespace petcalc

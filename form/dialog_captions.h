#pragma once

#include <string_view>

namespace petcalc::form {

// The buttons of every dialog the front ends draw, Chinese whatever the system's language.
inline constexpr std::u16string_view kOkCaption = u"确定";
inline constexpr std::u16string_view kCancelCaption = u"取消";

}  // namespace petcalc::form

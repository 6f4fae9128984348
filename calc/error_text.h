#pragma once

#include <string>
#include <string_view>

namespace petcalc {

class CalcError;

// The text of the dialog that ends a click in error, as every front end shows it:
// "运行时错误 '6':", a blank line, then the error's description ("溢出").
std::u16string ErrorText(const CalcError& error);

// The text for a failure of the window itself rather than of the arithmetic:
// "程序内部错误:", a blank line, then the failure's own message. Only the message's ASCII
// characters are kept; any other byte shows as "?".
std::u16string FailureText(std::string_view message);

}  // namespace petcalc

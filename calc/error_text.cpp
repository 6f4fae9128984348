#include "calc/error_text.h"

#include "core/calc_error.h"
#include "core/whole_number.h"

namespace petcalc {

std::u16string ErrorText(const CalcError& error) {
  return u"运行时错误 '" + Int32ToText(error.number()) + u"':\n\n" +
         std::u16string(error.description());
}

std::u16string FailureText(std::string_view message) {
  std::u16string text = u"程序内部错误:\n\n";
  for (const char c : message) {
    const auto byte = static_cast<unsigned char>(c);
    text.push_back(byte < 0x80 ? static_cast<char16_t>(byte) : u'?');
  }
  return text;
}

}  // namespace petcalc

#pragma once

#include <exception>
#include <string_view>

namespace petcalc {

// The error raised by every checked operation. It ends the click in which it is raised; the
// click dispatcher reports its number and description to the user.
class CalcError : public std::exception {
 public:
  static constexpr int kOverflow = 6;
  static constexpr int kDivisionByZero = 11;

  static CalcError Overflow() { return CalcError(kOverflow); }
  static CalcError DivisionByZero() { return CalcError(kDivisionByZero); }

  int number() const { return number_; }
  // "溢出" for overflow, "除数为零" for division by zero.
  std::u16string_view description() const;
  const char* what() const noexcept override;

 private:
  explicit CalcError(int number) : number_(number) {}

  int number_;
};

}  // namespace petcalc

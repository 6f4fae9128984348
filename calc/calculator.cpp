#include "calc/calculator.h"

#include "calc/click_actions.h"
#include "calc/stat_sheet.h"

namespace petcalc {

Calculator::Calculator(FormsRuntime& window)
    : window_(window), sheet_(std::make_unique<StatSheet>()) {}

Calculator::~Calculator() = default;

void Calculator::Click(form::Control clicked) noexcept {
  petcalc::Click(clicked, window_, *sheet_);
}

}  // namespace petcalc

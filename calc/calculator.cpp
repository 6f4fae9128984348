#include "calc/calculator.h"

#include "calc/click_actions.h"
#include "calc/saved_sheet.h"
#include "calc/stat_fields.h"
#include "calc/stat_sheet.h"

namespace petcalc {
namespace {

FinishedClick FinishedOf(form::Control clicked, const StatSheet& sheet) {
  FinishedClick finished{
      clicked == form::Command1 ? FinishedClick::Kind::kGrowth : FinishedClick::Kind::kPrediction,
      {},
      sheet.targetLevel};
  for (std::size_t index = 0; index < form::kStatBoxCount; ++index) {
    finished.stats[index] = sheet.*GatheredFieldOf(index).value;
  }
  return finished;
}

}  // namespace

Calculator::Calculator(FormsRuntime& window, ClickObserver* observer)
    : window_(window), observer_(observer), sheet_(std::make_unique<StatSheet>()) {}

Calculator::~Calculator() = default;

void Calculator::Click(form::Control clicked) noexcept {
  const bool finished = petcalc::Click(clicked, window_, *sheet_);
  if (finished && observer_ != nullptr) observer_->Finished(FinishedOf(clicked, *sheet_));
}

std::u16string Calculator::Saved() const { return SavedSheet(*sheet_); }

bool Calculator::Restore(std::u16string_view saved) {
  std::unique_ptr<StatSheet> sheet = ReadSavedSheet(saved);
  const bool restored = sheet != nullptr;
  sheet_ = restored ? std::move(sheet) : std::make_unique<StatSheet>();
  return restored;
}

}  // namespace petcalc

#include "book/record.h"

#include <array>
#include <random>

namespace petcalc::book {

const std::string& IdOf(const Entry& entry) {
  return std::visit([](const auto& held) -> const std::string& { return held.id; }, entry);
}

bool Compute(Record& record) {
  const std::optional<Growth> growth = GrowthOf(record.stats);
  if (!growth) return false;
  record.growth = *growth;
  record.prediction = {};
  if (!record.target_level) return true;
  const std::optional<Prediction> prediction = PredictionOf(record.stats, *record.target_level);
  if (!prediction) return false;
  record.prediction = *prediction;
  return true;
}

bool IsValidId(std::string_view id) {
  if (id.empty() || id.size() > kMaxIdLength) return false;
  for (const char c : id) {
    const bool allowed = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') ||
                         (c >= 'A' && c <= 'Z') || c == '-' || c == '_';
    if (!allowed) return false;
  }
  return true;
}

std::string NewRandomId() {
  static std::random_device source;
  constexpr std::string_view kDigits = "0123456789abcdef";
  std::string id;
  for (int word = 0; word < 4; ++word) {
    std::uint32_t bits = source();
    for (int digit = 0; digit < 8; ++digit, bits >>= 4) id += kDigits[bits & 0xF];
  }
  return id;
}

}  // namespace petcalc::book

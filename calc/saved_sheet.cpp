#include "calc/saved_sheet.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <vector>

#include "calc/stat_fields.h"
#include "core/currency.h"

namespace petcalc {
namespace {

constexpr std::string_view kVersion = "sheet1";
constexpr char kSeparator = ',';
constexpr int kHexPerUnit = 4;
constexpr int kCheckDigits = 16;

// The largest growth a click stores: a 32-bit difference over a level gain of one.
constexpr std::int64_t kMaxGrowthUnits = (std::int64_t{1} << 31) * Currency::kUnitsPerWhole;
constexpr std::int64_t kMaxLevelGainUnits =
    std::int64_t{std::numeric_limits<std::int32_t>::max()} * Currency::kUnitsPerWhole;
constexpr std::int64_t kMinLevelGainUnits =
    std::int64_t{std::numeric_limits<std::int32_t>::min()} * Currency::kUnitsPerWhole;

std::uint64_t Fnv1a(std::string_view text) {
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

void AppendHex(std::string& out, std::uint64_t value, int digits) {
  constexpr std::string_view kDigits = "0123456789abcdef";
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) out += kDigits[(value >> shift) & 0xF];
}

template <typename Number>
void AppendNumber(std::string& out, Number value) {
  out += kSeparator;
  out += std::to_string(value);
}

// Every numeric field in the order it is saved and read, each with the range a click stores.
template <typename Sheet, typename Visit>
void ForEachNumber(Sheet& sheet, Visit&& visit) {
  constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
  for (const StatFields& stat : kStatFields) visit(sheet.*stat.initial, kInt32Min, kInt32Max);
  for (const StatFields& stat : kStatFields) visit(sheet.*stat.current, kInt32Min, kInt32Max);
  visit(sheet.levelGain, kMinLevelGainUnits, kMaxLevelGainUnits);
  for (const GrownFields& grown : kGrownFields) {
    visit(sheet.*grown.growth, -kMaxGrowthUnits, kMaxGrowthUnits);
  }
  visit(sheet.threeStatGrowth, -3 * kMaxGrowthUnits, 3 * kMaxGrowthUnits);
  visit(sheet.totalGrowth, -4 * kMaxGrowthUnits, 4 * kMaxGrowthUnits);
  visit(sheet.targetLevel, kInt32Min, kInt32Max);
  for (const GrownFields& grown : kGrownFields) {
    visit(sheet.*grown.prediction, kInt32Min, kInt32Max);
  }
}

template <typename Sheet, typename Visit>
void ForEachAnswer(Sheet& sheet, Visit&& visit) {
  for (std::size_t index = 0; index < form::kStatBoxCount; ++index) {
    visit(sheet.*GatheredFieldOf(index).answer);
  }
}

// A decimal integer as SavedSheet writes it: no sign but a minus, no leading zero, no "-0".
std::optional<std::int64_t> ReadInteger(std::string_view text) {
  const std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
  if (digits.empty() || (digits[0] == '0' && (digits.size() > 1 || text.size() > 1))) {
    return std::nullopt;
  }
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<std::u16string> ReadUnits(std::string_view hex) {
  if (hex.size() % kHexPerUnit != 0) return std::nullopt;
  std::u16string text;
  text.reserve(hex.size() / kHexPerUnit);
  for (std::size_t at = 0; at < hex.size(); at += kHexPerUnit) {
    unsigned unit = 0;
    for (std::size_t i = at; i < at + kHexPerUnit; ++i) {
      const int digit = HexDigit(hex[i]);
      if (digit < 0) return std::nullopt;
      unit = unit * 16 + static_cast<unsigned>(digit);
    }
    text.push_back(static_cast<char16_t>(unit));
  }
  return text;
}

std::vector<std::string_view> Split(std::string_view text) {
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(kSeparator, start);
    fields.push_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return fields;
    start = end + 1;
  }
}

void Store(std::int32_t& field, std::int64_t value) { field = static_cast<std::int32_t>(value); }
void Store(Currency& field, std::int64_t value) { field = Currency::FromUnits(value); }
std::int64_t Units(std::int32_t field) { return field; }
std::int64_t Units(Currency field) { return field.units(); }

}  // namespace

std::string SavedSheet(const StatSheet& sheet) {
  std::string saved(kVersion);
  ForEachNumber(sheet, [&](const auto& field, std::int64_t, std::int64_t) {
    AppendNumber(saved, Units(field));
  });
  ForEachAnswer(sheet, [&](const std::u16string& answer) {
    saved += kSeparator;
    for (const char16_t unit : answer) AppendHex(saved, unit, kHexPerUnit);
  });
  const std::uint64_t check = Fnv1a(saved);
  saved += kSeparator;
  AppendHex(saved, check, kCheckDigits);
  return saved;
}

std::optional<StatSheet> ReadSavedSheet(std::string_view saved) {
  const std::size_t last = saved.rfind(kSeparator);
  if (last == std::string_view::npos) return std::nullopt;
  std::string check;
  AppendHex(check, Fnv1a(saved.substr(0, last)), kCheckDigits);
  if (saved.substr(last + 1) != check) return std::nullopt;

  const std::vector<std::string_view> fields = Split(saved.substr(0, last));
  if (fields.empty() || fields[0] != kVersion) return std::nullopt;
  StatSheet sheet;
  std::size_t next = 1;
  bool valid = true;
  ForEachNumber(sheet, [&](auto& field, std::int64_t low, std::int64_t high) {
    const auto value = next < fields.size() ? ReadInteger(fields[next++]) : std::nullopt;
    if (!value || *value < low || *value > high) {
      valid = false;
      return;
    }
    Store(field, *value);
  });
  if (valid && sheet.levelGain.units() % Currency::kUnitsPerWhole != 0) valid = false;
  ForEachAnswer(sheet, [&](std::u16string& answer) {
    const auto text = next < fields.size() ? ReadUnits(fields[next++]) : std::nullopt;
    if (!text) {
      valid = false;
      return;
    }
    answer = *text;
  });
  if (!valid || next != fields.size()) return std::nullopt;
  return sheet;
}

}  // namespace petcalc

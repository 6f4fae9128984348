#include "calc/saved_sheet.h"

#include <array>
#include <cstdint>
#include <limits>
#include <optional>

#include "calc/stat_fields.h"
#include "core/currency.h"

namespace petcalc {
namespace {

constexpr std::u16string_view kVersion = u"sheet1";
constexpr char16_t kSeparator = u',';
constexpr int kHexPerUnit = 4;
constexpr int kCheckDigits = 16;

// The largest growth a click stores: a 32-bit difference over a level gain of one.
constexpr std::int64_t kMaxGrowthUnits = (std::int64_t{1} << 31) * Currency::kUnitsPerWhole;
constexpr std::int64_t kMinWhole = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMaxWhole = std::numeric_limits<std::int32_t>::max();

// The sheet's fields in the order they are saved and read: its whole numbers, its Currency
// fields, each with the range a click stores, then its answer slots. Tables rather than code per
// field, which keeps the page's module small.
constexpr std::size_t kWholeCount = form::kStatBoxCount + 1 + form::kGrownStatCount;
using WholeField = std::int32_t StatSheet::*;
constexpr std::array<WholeField, kWholeCount> WholeFields() {
  std::array<WholeField, kWholeCount> fields{};
  std::size_t next = 0;
  for (std::size_t index = 0; index < form::kStatBoxCount; ++index) {
    fields[next++] = GatheredFieldOf(index).value;
  }
  fields[next++] = &StatSheet::targetLevel;
  for (const GrownFields& grown : kGrownFields) fields[next++] = grown.prediction;
  return fields;
}
constexpr auto kWholeFields = WholeFields();

struct CurrencyField {
  Currency StatSheet::*field;
  std::int64_t low, high;
};

constexpr std::size_t kCurrencyCount = 1 + form::kGrownStatCount + 2;
constexpr std::array<CurrencyField, kCurrencyCount> CurrencyFields() {
  std::array<CurrencyField, kCurrencyCount> fields{};
  std::size_t next = 0;
  fields[next++] = {&StatSheet::levelGain, kMinWhole * Currency::kUnitsPerWhole,
                    kMaxWhole * Currency::kUnitsPerWhole};
  for (const GrownFields& grown : kGrownFields) {
    fields[next++] = {grown.growth, -kMaxGrowthUnits, kMaxGrowthUnits};
  }
  fields[next++] = {&StatSheet::threeStatGrowth, -3 * kMaxGrowthUnits, 3 * kMaxGrowthUnits};
  fields[next++] = {&StatSheet::totalGrowth, -4 * kMaxGrowthUnits, 4 * kMaxGrowthUnits};
  return fields;
}
constexpr auto kCurrencyFields = CurrencyFields();

std::uint64_t Fnv1a(std::u16string_view text) {
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  for (const char16_t unit : text) {
    hash ^= unit;
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

[[gnu::noinline]] void AppendHex(std::u16string& out, std::uint64_t value, int digits) {
  constexpr std::u16string_view kDigits = u"0123456789abcdef";
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) out += kDigits[(value >> shift) & 0xF];
}

// Decimal digits, a minus sign in front of a negative number. Not inlined, nor is what follows:
// the loops over the tables, unrolled, would repeat them field by field in the page's module.
[[gnu::noinline]] void AppendNumber(std::u16string& out, std::int64_t value) {
  out += kSeparator;
  if (value < 0) out += u'-';
  // The magnitude in unsigned arithmetic, which holds that of the smallest int64 too.
  std::uint64_t magnitude =
      value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  char16_t digits[20];
  int count = 0;
  do {
    digits[count++] = static_cast<char16_t>(u'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  while (count > 0) out += digits[--count];
}

// Reads the fields of a saved form one after another.
class Fields {
 public:
  explicit Fields(std::u16string_view text) : rest_(text) {}

  // The next field; nothing when there is none.
  std::optional<std::u16string_view> Next() {
    if (done_) return std::nullopt;
    const std::size_t end = rest_.find(kSeparator);
    const std::u16string_view field = rest_.substr(0, end);
    done_ = end == std::u16string_view::npos;
    rest_ = done_ ? std::u16string_view() : rest_.substr(end + 1);
    return field;
  }

  // A decimal integer within [low, high], as SavedSheet writes it: no sign but a minus, no
  // leading zero, no "-0".
  [[gnu::noinline]] std::optional<std::int64_t> Integer(std::int64_t low, std::int64_t high) {
    const std::optional<std::u16string_view> field = Next();
    if (!field) return std::nullopt;
    const bool negative = field->starts_with(u'-');
    const std::u16string_view digits = field->substr(negative ? 1 : 0);
    if (digits.empty() || digits.size() > 19 || (digits[0] == u'0' && field->size() > 1)) {
      return std::nullopt;
    }
    std::uint64_t magnitude = 0;
    for (const char16_t digit : digits) {
      if (digit < u'0' || digit > u'9') return std::nullopt;
      magnitude = magnitude * 10 + (digit - u'0');
    }
    // Nineteen digits fit an unsigned 64-bit number; every range here fits a signed one.
    if (magnitude > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
      return std::nullopt;
    }
    const std::int64_t value =
        negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    if (value < low || value > high) return std::nullopt;
    return value;
  }

  // UTF-16 code units, four lower-case hexadecimal digits each.
  [[gnu::noinline]] std::optional<std::u16string> Units() {
    const std::optional<std::u16string_view> field = Next();
    if (!field || field->size() % kHexPerUnit != 0) return std::nullopt;
    std::u16string text(field->size() / kHexPerUnit, u'\0');
    for (std::size_t at = 0; at < field->size(); ++at) {
      const char16_t c = (*field)[at];
      const int digit = c >= u'0' && c <= u'9'   ? c - u'0'
                        : c >= u'a' && c <= u'f' ? c - u'a' + 10
                                                 : -1;
      if (digit < 0) return std::nullopt;
      char16_t& unit = text[at / kHexPerUnit];
      unit = static_cast<char16_t>(unit * 16 + digit);
    }
    return text;
  }

  bool AtEnd() const { return done_; }

 private:
  std::u16string_view rest_;
  bool done_ = false;
};

bool Read(Fields& fields, StatSheet& sheet) {
  if (fields.Next() != kVersion) return false;
  for (const auto field : kWholeFields) {
    const std::optional<std::int64_t> value = fields.Integer(kMinWhole, kMaxWhole);
    if (!value) return false;
    sheet.*field = static_cast<std::int32_t>(*value);
  }
  for (const CurrencyField& currency : kCurrencyFields) {
    const std::optional<std::int64_t> value = fields.Integer(currency.low, currency.high);
    if (!value) return false;
    sheet.*currency.field = Currency::FromUnits(*value);
  }
  if (sheet.levelGain.units() % Currency::kUnitsPerWhole != 0) return false;
  for (std::size_t index = 0; index < form::kStatBoxCount; ++index) {
    std::optional<std::u16string> answer = fields.Units();
    if (!answer) return false;
    sheet.*GatheredFieldOf(index).answer = std::move(*answer);
  }
  return fields.AtEnd();
}

}  // namespace

std::u16string SavedSheet(const StatSheet& sheet) {
  std::u16string saved(kVersion);
  for (const auto field : kWholeFields) AppendNumber(saved, sheet.*field);
  for (const CurrencyField& currency : kCurrencyFields) {
    AppendNumber(saved, (sheet.*currency.field).units());
  }
  for (std::size_t index = 0; index < form::kStatBoxCount; ++index) {
    saved += kSeparator;
    for (const char16_t unit : sheet.*GatheredFieldOf(index).answer) {
      AppendHex(saved, unit, kHexPerUnit);
    }
  }
  const std::uint64_t check = Fnv1a(saved);
  saved += kSeparator;
  AppendHex(saved, check, kCheckDigits);
  return saved;
}

std::unique_ptr<StatSheet> ReadSavedSheet(std::u16string_view saved) {
  const std::size_t last = saved.rfind(kSeparator);
  if (last == std::u16string_view::npos) return nullptr;
  std::u16string check;
  AppendHex(check, Fnv1a(saved.substr(0, last)), kCheckDigits);
  if (saved.substr(last + 1) != check) return nullptr;
  Fields fields(saved.substr(0, last));
  auto sheet = std::make_unique<StatSheet>();
  return Read(fields, *sheet) ? std::move(sheet) : nullptr;
}

}  // namespace petcalc

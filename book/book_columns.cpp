#include "book/book_columns.h"

#include <compare>

#include "book/captions.h"
#include "calc/pet_results.h"
#include "form/stats.h"
#include "runtime/utf8.h"

namespace petcalc::book {
namespace {

std::int32_t CurrentLevel(const Record& record) {
  return record.stats[form::kStatCount + form::kLevel];
}

// The column's own order of two records: a number where it holds one.
std::weak_ordering Compared(const Record& a, const Record& b, Column column,
                            const NameOrder& names) {
  switch (column) {
    case Column::kPinned:
      return a.pinned <=> b.pinned;
    case Column::kName: {
      const int order = names(a, b);
      if (order == 0) return std::weak_ordering::equivalent;
      return order < 0 ? std::weak_ordering::less : std::weak_ordering::greater;
    }
    case Column::kLevel:
      return CurrentLevel(a) <=> CurrentLevel(b);
    case Column::kThree:
      return a.growth.three_stat <=> b.growth.three_stat;
    case Column::kTotal:
      return a.growth.total <=> b.growth.total;
    case Column::kTarget:
      return a.target_level.value_or(-1) <=> b.target_level.value_or(-1);
    case Column::kChanged:
      return a.changed <=> b.changed;
  }
  return std::weak_ordering::equivalent;
}

}  // namespace

std::string_view HeadingOf(Column column) {
  switch (column) {
    case Column::kPinned:
      return captions::kPinnedHeading;
    case Column::kName:
      return captions::kNameHeading;
    case Column::kLevel:
      return captions::kLevelHeading;
    case Column::kThree:
      return captions::kThreeHeading;
    case Column::kTotal:
      return captions::kTotalHeading;
    case Column::kTarget:
      return captions::kTargetHeading;
    case Column::kChanged:
      return captions::kChangedHeading;
  }
  return {};
}

std::string ShownName(const Record& record) {
  return record.name.empty() ? std::string(captions::kUnnamed) : record.name;
}

std::string LevelsOf(const Record& record) {
  return std::to_string(record.stats[form::kLevel]) + "→" + std::to_string(CurrentLevel(record));
}

std::string CellText(const Record& record, Column column, const ShownTime& time_text) {
  switch (column) {
    case Column::kPinned:
      return record.pinned ? "★" : "";
    case Column::kName:
      return ShownName(record);
    case Column::kLevel:
      return LevelsOf(record);
    case Column::kThree:
      return ToUtf8(GrowthText(record.growth.three_stat));
    case Column::kTotal:
      return ToUtf8(GrowthText(record.growth.total));
    case Column::kTarget:
      return record.target_level ? std::to_string(*record.target_level) : "";
    case Column::kChanged:
      return time_text(record.changed);
  }
  return {};
}

bool ComesBefore(const Record& a, const Record& b, Column column, bool ascending,
                 const NameOrder& names) {
  if (a.pinned != b.pinned) return a.pinned;
  const std::weak_ordering order = Compared(a, b, column, names);
  if (order != std::weak_ordering::equivalent) {
    return order == (ascending ? std::weak_ordering::less : std::weak_ordering::greater);
  }
  return a.made < b.made || (a.made == b.made && a.id < b.id);
}

}  // namespace petcalc::book

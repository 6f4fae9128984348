#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "book/record.h"

namespace petcalc::book {

// The columns of a desktop's book window, and what each shows and sorts by: one table for every
// front end's list.
enum class Column { kPinned, kName, kLevel, kThree, kTotal, kTarget, kChanged };
inline constexpr std::size_t kColumnCount = 7;
inline constexpr std::array<Column, kColumnCount> kColumns = {
    Column::kPinned, Column::kName,   Column::kLevel,  Column::kThree,
    Column::kTotal,  Column::kTarget, Column::kChanged};

std::string_view HeadingOf(Column column);

// A record's name as the book shows it: 未命名 where it has none.
std::string ShownName(const Record& record);
// Its levels, 1→11.
std::string LevelsOf(const Record& record);

// What a cell shows, in UTF-8; the time as `time_text` writes it (the player's own zone).
using ShownTime = std::function<std::string(Time)>;
std::string CellText(const Record& record, Column column, const ShownTime& time_text);

// The order of the list, sorted by `column` up or down: pinned records first either way, names by
// `names` (the platform's collation of Chinese, <0, 0 or >0), ties by when a record was made.
using NameOrder = std::function<int(const Record&, const Record&)>;
bool ComesBefore(const Record& a, const Record& b, Column column, bool ascending,
                 const NameOrder& names);

}  // namespace petcalc::book

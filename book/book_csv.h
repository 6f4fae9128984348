#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "book/book.h"
#include "book/problems.h"

namespace petcalc::book {

// The book as a spreadsheet's CSV: UTF-8 with a byte-order mark, commas, CRLF, fields quoted as
// RFC 4180 says; one row a record under the headings of CsvColumns, in Chinese. Numbers are
// written as the window writes them (2.5, not 2.5000); a text cell that a spreadsheet would run
// as a formula (beginning with =, +, -, @, a tab or a carriage return), or that begins with an
// apostrophe, gets an apostrophe in front; numbers never do.
std::string BookCsv(const Book& book);

// Whether a spreadsheet's bytes are UTF-8, with or without a byte-order mark: ReadBookCsv reads
// them as they are. Other bytes the front end decodes with its platform's decoder as GB18030, as a
// Chinese spreadsheet saves them, strictly, and refuses with kUndecodable where they are not that
// either.
bool IsUtf8(std::string_view bytes);
inline constexpr std::string_view kUndecodable = "文字编码有误（请以 UTF-8 或 GB18030 保存）";

// Each column: what it holds, its heading in Chinese (the window's name for a box) and in
// English.
struct CsvColumn {
  enum class Kind {
    kId,
    kPet,
    kName,
    kNote,
    kPinned,
    kMade,
    kChanged,
    kStat,    // index: form::StatBox's
    kGrowth,  // index: form::kGrownStats's
    kThreeStat,
    kTotal,
    kTarget,
    kPrediction,  // index: form::kGrownStats's
  };
  Kind kind;
  std::size_t index;
  std::string chinese;
  std::string english;
};
const std::vector<CsvColumn>& CsvColumns();

// A CSV such as BookCsv writes, or a spreadsheet saves from one: UTF-8 (the front end decodes
// another encoding first), its byte-order mark optional, its headings in Chinese or English, in
// any order, other columns ignored; the results' columns are ignored too, since the book computes
// them from the stats. Every cell is checked; a row that cannot be read is a row the file could
// not give, with the reason. Empty ids and pets are left empty for the import to give; empty
// times are `now`. Refused whole: a file too large, not UTF-8, or without the stats' columns.
FileRead ReadBookCsv(std::string_view text, Time now);

}  // namespace petcalc::book

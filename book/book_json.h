#pragma once

#include <string>
#include <string_view>

#include "book/book.h"
#include "book/problems.h"

namespace petcalc::book {

// The book's file: JSON in UTF-8, defined in docs/book-format.md. A header names the format, its
// version and the program's version that wrote it; then the records and the marks of deleted
// ones, one to a line:
//   {"format":"petcalc-book","version":1,"program":"1.00",
//   "records":[
//   {"id":…,"pet":…,"name":…,"note":…,"pinned":false,"made":"2026-12-08T10:45:53.123Z",
//    "changed":…,"initial":[1,50,20,30,10,10],"current":[11,75,50,60,30,30],"target":21},
//   …],
//   "deleted":[
//   {"id":…,"deleted":…},
//   …]}
inline constexpr std::string_view kFormatName = "petcalc-book";
inline constexpr int kFormatVersion = 1;

std::string BookJson(const Book& book);

// A file as BookJson writes it, every field of every entry checked: its type, its range, its
// length, that it is well-formed UTF-8 without lone surrogates, that no key is repeated. A file
// that is too large, is not JSON, not this format, or of a newer version is refused whole; an
// entry that is wrong is a row the file could not give, and the rest are read.
FileRead ReadBookJson(std::string_view json);

// One entry, as a front end stores it: a record, or {"id":…,"deleted":…}.
std::string EntryJson(const Entry& entry);

// An entry as EntryJson writes it, checked as ReadBookJson checks one; or why not, in Chinese.
struct EntryRead {
  std::optional<Entry> entry;
  std::string problem;
};
EntryRead ReadEntryJson(std::string_view json);

}  // namespace petcalc::book

#pragma once

#include <string>

#include "book/book.h"
#include "book/book_json.h"
#include "book/text_checks.h"
#include "fuzz/fuzz_check.h"

namespace petcalc::book::fuzz {

// What a reader took: every entry as the book's rules allow, absorbed into a book.
inline Book Absorbed(const BookFile& file) {
  Book book;
  for (Record record : file.records) {
    FUZZ_CHECK(CheckText(record.name, TextKind::kName).empty());
    FUZZ_CHECK(CheckText(record.note, TextKind::kNote).empty());
    FUZZ_CHECK(Computable(record).empty());
    if (record.id.empty()) record.id = book.NewId();
    if (record.pet.empty()) record.pet = book.NewId();
    book.Absorb(record);
  }
  for (const Tombstone& tombstone : file.deleted) book.Absorb(tombstone);
  return book;
}

// A book's records and marks, as text, to compare two books.
inline std::string Contents(const Book& book) {
  std::string contents;
  for (const Record* record : book.Records()) contents += EntryJson(*record) + "\n";
  for (const Tombstone* tombstone : book.Deleted()) contents += EntryJson(*tombstone) + "\n";
  return contents;
}

}  // namespace petcalc::book::fuzz

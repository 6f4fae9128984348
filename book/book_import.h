#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "book/book.h"
#include "book/problems.h"

namespace petcalc::book {

// What importing a file would do to the book, before anything changes: the player reads it and
// confirms or cancels. An import merges, never replaces: each entry of the file is kept where it
// wins over what the book holds, as another copy's would be.
struct ImportPreview {
  std::vector<Entry> entries;  // what the file gave, ready to absorb
  std::size_t new_records = 0;
  std::size_t already_there = 0;  // by id, and no newer than the book's
  std::size_t changed = 0;        // newer than the book's, or bringing a record back
  std::size_t deleted = 0;        // the book's records the file's marks delete
  // Records the book has deleted that the file still holds, by their place in `entries`: they
  // stay deleted unless the player brings them back.
  std::vector<std::size_t> deleted_here;
  std::vector<RowProblem> problems;  // the rows the file could not give, and why
};

// The preview of importing `file`. A record without an id (a spreadsheet's own row) takes a new
// one, unless the book holds a record of the same twelve stats, which it then is; one without a
// pet joins the pet of the same initial stats, as a finished click's would.
ImportPreview PreviewImport(Book& book, BookFile file);

// Merges what `preview` holds, bringing back those of its deleted_here whose ids `bring_back`
// names, to outlive their deletion in every copy.
Changes ApplyImport(Book& book, const ImportPreview& preview,
                    const std::vector<std::string>& bring_back);

}  // namespace petcalc::book

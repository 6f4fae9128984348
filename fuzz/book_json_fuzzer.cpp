// Any bytes as the book's file and as one stored entry: refused, or read into a book whose file
// reads back as the same book.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/book_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace petcalc::book;
  const std::string_view json(reinterpret_cast<const char*>(data), size);
  const FileRead read = ReadBookJson(json);
  FUZZ_CHECK(read.file.has_value() != !read.problem.empty());
  if (read.file) {
    const Book book = fuzz::Absorbed(*read.file);
    const FileRead again = ReadBookJson(BookJson(book));
    FUZZ_CHECK(again.file && again.file->problems.empty());
    FUZZ_CHECK(fuzz::Contents(fuzz::Absorbed(*again.file)) == fuzz::Contents(book));
  }
  const EntryRead entry = ReadEntryJson(json);
  if (entry.entry) {
    const EntryRead again = ReadEntryJson(EntryJson(*entry.entry));
    FUZZ_CHECK(again.entry && EntryJson(*again.entry) == EntryJson(*entry.entry));
  }
  return 0;
}

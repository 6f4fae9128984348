// Any bytes as a spreadsheet's CSV: refused, or read into a book whose CSV reads back as the same
// records.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "book/book_csv.h"
#include "fuzz/book_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace petcalc::book;
  const std::string_view csv(reinterpret_cast<const char*>(data), size);
  const Time now = Time::FromMilliseconds(1796688000000);
  const FileRead read = ReadBookCsv(csv, now);
  FUZZ_CHECK(read.file.has_value() != !read.problem.empty());
  if (read.file) {
    FUZZ_CHECK(read.file->deleted.empty());
    const Book book = fuzz::Absorbed(*read.file);
    const FileRead again = ReadBookCsv(BookCsv(book), now);
    FUZZ_CHECK(again.file && again.file->problems.empty());
    FUZZ_CHECK(fuzz::Contents(fuzz::Absorbed(*again.file)) == fuzz::Contents(book));
  }
  return 0;
}

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "book/record.h"

namespace petcalc::book {

// A part of a file a reader could not take, and why, in Chinese: 第 3 行, 姓名太长.
struct RowProblem {
  std::string where;
  std::string reason;
};

// What a reader took from a file: its entries, and the rows it could not read.
struct BookFile {
  std::vector<Record> records;
  std::vector<Tombstone> deleted;
  std::vector<RowProblem> problems;
};

// A file read, or refused whole with the reason, in Chinese.
struct FileRead {
  std::optional<BookFile> file;
  std::string problem;
};

// Files above this are refused before they are read.
inline constexpr std::size_t kMaxFileBytes = std::size_t{64} * 1024 * 1024;

}  // namespace petcalc::book

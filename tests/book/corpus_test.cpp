// One corpus of good and bad files, which every reader path judges the same way: each file's
// verdict is written once, in corpus/verdicts.txt, and checked here natively, under Node and
// under wine, and by the page's import in every browser.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "book/book_csv.h"
#include "book/book_json.h"
#include "tests/book/book_fixture.h"
#include "tests/book/platform_text.h"

namespace petcalc::book {
namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// What a reader says of a file, as verdicts.txt writes it.
std::string Verdict(const FileRead& read) {
  if (!read.file) return "refused: " + read.problem;
  std::string verdict = std::to_string(read.file->records.size()) + " records, " +
                        std::to_string(read.file->deleted.size()) + " deleted";
  for (const RowProblem& problem : read.file->problems) {
    verdict += "; " + problem.where + ": " + problem.reason;
  }
  return verdict;
}

FileRead ReadFile(const std::string& name, const std::string& bytes) {
  if (name.ends_with(".json")) return ReadBookJson(bytes);
  if (IsUtf8(bytes)) return ReadBookCsv(bytes, testing::At(0));
  const std::optional<std::string> decoded = testing::Gb18030ToUtf8(bytes);
  if (!decoded) return {std::nullopt, std::string(kUndecodable)};
  return ReadBookCsv(*decoded, testing::At(0));
}

TEST(Corpus, EveryFileIsJudgedAsItsVerdictSays) {
  const std::string folder = PETCALC_BOOK_CORPUS;
  std::istringstream verdicts(ReadAll(folder + "/verdicts.txt"));
  std::size_t files = 0;
  for (std::string line; std::getline(verdicts, line);) {
    if (line.empty() || line[0] == '#') continue;
    const std::size_t colon = line.find(": ");
    const std::string name = line.substr(0, colon);
    SCOPED_TRACE(name);
    const std::string path = (std::filesystem::path(folder) / name).string();
    EXPECT_EQ(Verdict(ReadFile(name, ReadAll(path))), line.substr(colon + 2));
    ++files;
  }
  std::size_t in_folder = 0;
  for (const auto& file : std::filesystem::directory_iterator(folder)) {
    in_folder += file.path().filename() == "verdicts.txt" ? 0 : 1;
  }
  EXPECT_EQ(files, in_folder) << "a file without its verdict";
}

}  // namespace
}  // namespace petcalc::book

// The book on a desktop's disk: saved as a merge with what another copy saved, and never written
// over where it cannot be read.
#include "book/book_store.h"

#include <gtest/gtest.h>

#include "book/book_json.h"
#include "tests/book/book_fixture.h"
#include "tests/book/memory_files.h"

namespace petcalc::book {
namespace {

using testing::At;
using testing::CountedIds;
using testing::kOther;
using testing::kTypical;
using testing::MemoryFiles;

constexpr const char* kFolder = "/data/petcalc";
const std::string kPath = std::string(kFolder) + "/book.json";
const std::string kBackup = std::string(kFolder) + "/book.previous.json";

// A book with one record of `stats`, saved as a file's bytes.
std::string FileOf(const PetStats& stats, const std::string& ids = "file") {
  Book book(CountedIds(ids));
  book.KeepGrowth(stats, At(1));
  return BookJson(book);
}

TEST(BookStore, WhatASaveWroteIsWhatTheNextCopyOpensAndThePreviousFileIsItsBackup) {
  MemoryFiles files;
  BookStore store(files, kFolder);
  Book book(CountedIds());
  ASSERT_TRUE(store.Open(book)) << "no file yet: a new book";
  book.KeepGrowth(kTypical, At(1));
  ASSERT_EQ(store.Save(book).problem, "");
  const std::string first = files.files.at(kPath);
  book.KeepGrowth(kOther, At(2));
  ASSERT_EQ(store.Save(book).problem, "");
  EXPECT_EQ(files.files.at(kBackup), first);

  Book reopened;
  BookStore again(files, kFolder);
  ASSERT_TRUE(again.Open(reopened));
  EXPECT_EQ(reopened.size(), 2u);
  EXPECT_EQ(reopened.Find("id1")->stats, kTypical);
}

TEST(BookStore, TwoCopiesKeepEachOthersRecordsAndDeletions) {
  MemoryFiles files;
  Book a(CountedIds("a"));
  Book b(CountedIds("b"));
  BookStore store_a(files, kFolder);
  BookStore store_b(files, kFolder);
  store_a.Open(a);
  store_b.Open(b);
  a.KeepGrowth(kTypical, At(1));
  store_a.Save(a);
  b.KeepGrowth(kOther, At(2));
  EXPECT_EQ(store_b.Save(b).from_disk, Changes{"a1"}) << "a's record taken in before b writes";
  EXPECT_EQ(store_a.Reload(a).from_disk, Changes{"b1"});

  a.Delete({"b1"}, At(3));
  store_a.Save(a);
  b.SetNote("a1", "b's note", At(4));
  store_b.Save(b);
  EXPECT_EQ(b.Find("b1"), nullptr) << "a's deletion stands in b";
  Book fresh;
  BookStore reader(files, kFolder);
  reader.Open(fresh);
  EXPECT_EQ(fresh.size(), 1u);
  EXPECT_EQ(fresh.Find("a1")->note, "b's note");
}

// A file no version of this program can take whole, and why.
struct Unreadable {
  const char* what;
  std::string bytes;
};

TEST(BookStore, AFileItCannotReadIsNeverWrittenOverUntilThePlayerChooses) {
  std::string newer = FileOf(kTypical);
  newer.replace(newer.find("\"version\":1"), 11, "\"version\":2");
  std::string bad_row = FileOf(kTypical);
  bad_row.replace(bad_row.find("\"initial\":[1"), 12, "\"initial\":[\"1\"");
  const Unreadable cases[] = {
      {"not JSON", "{\"format\":\"petcalc-book\",\"vers"},
      {"a newer version", newer},
      {"one row wrong", bad_row},
      {"not a book", "[1, 2, 3]"},
  };
  for (const Unreadable& c : cases) {
    for (const bool backup_reads : {true, false}) {
      SCOPED_TRACE(std::string(c.what) + (backup_reads ? ", its backup reads" : ", no backup"));
      MemoryFiles files;
      files.files[kPath] = c.bytes;
      if (backup_reads) files.files[kBackup] = FileOf(kOther, "backup");
      BookStore store(files, kFolder);
      Book book(CountedIds());
      EXPECT_FALSE(store.Open(book));
      EXPECT_TRUE(store.read_only());
      EXPECT_NE(store.problem().find(kPath), std::string::npos) << store.problem();
      EXPECT_EQ(store.can_restore(), backup_reads);
      EXPECT_EQ(book.size(), backup_reads ? 1u : 0u) << "the backup shown, or nothing";

      book.KeepGrowth(kTypical, At(5));
      EXPECT_NE(store.Save(book).problem, "");
      EXPECT_EQ(files.replaced, 0);
      EXPECT_EQ(files.files.at(kPath), c.bytes);

      const std::string chose =
          backup_reads ? store.Restore(book, At(6)) : store.StartNew(book, At(6));
      ASSERT_EQ(chose, "");
      EXPECT_FALSE(store.read_only());
      const std::string aside = std::string(kFolder) + "/book.unreadable-20261208T000006000Z.json";
      EXPECT_EQ(files.files.at(aside), c.bytes) << "moved aside, its bytes intact";
      EXPECT_EQ(files.files.count(kPath), backup_reads ? 1u : 0u);
      if (backup_reads) {
        EXPECT_NE(files.files.at(kPath).find("backup1"), std::string::npos);
      } else {
        EXPECT_EQ(book.size(), 0u);
      }
    }
  }
}

TEST(BookStore, AFileThatCannotBeReadAtAllIsLeftAsItIs) {
  MemoryFiles files;
  files.files[kPath] = FileOf(kTypical);
  files.reads_fail = true;
  BookStore store(files, kFolder);
  Book book;
  EXPECT_FALSE(store.Open(book));
  EXPECT_NE(store.problem().find("Permission denied"), std::string::npos);
  files.reads_fail = false;
  EXPECT_NE(store.Save(book).problem, "");
  EXPECT_EQ(files.replaced, 0);
}

TEST(BookStore, AFailedWriteIsSaidAndTheFileOnDiskStaysWhole) {
  struct Failure {
    const char* what;
    void (*inject)(MemoryFiles&);
  };
  const Failure failures[] = {
      {"the book's write", [](MemoryFiles& f) { f.failing_writes.insert(kPath); }},
      {"the backup's write", [](MemoryFiles& f) { f.failing_writes.insert(kBackup); }},
      {"the folder", [](MemoryFiles& f) { f.folder_fails = true; }},
      {"the lock", [](MemoryFiles& f) { f.lock_taken_elsewhere = true; }},
  };
  for (const Failure& failure : failures) {
    SCOPED_TRACE(failure.what);
    MemoryFiles files;
    BookStore store(files, kFolder);
    Book book(CountedIds());
    store.Open(book);
    book.KeepGrowth(kTypical, At(1));
    ASSERT_EQ(store.Save(book).problem, "");
    const std::string kept = files.files.at(kPath);

    failure.inject(files);
    book.KeepGrowth(kOther, At(2));
    const std::string problem = store.Save(book).problem;
    EXPECT_EQ(problem.rfind("宠物记录没有保存：", 0), 0u) << problem;
    EXPECT_EQ(files.files.at(kPath), kept);
    EXPECT_FALSE(store.read_only()) << "the next save tries again";

    files.failing_writes.clear();
    files.folder_fails = files.lock_taken_elsewhere = false;
    EXPECT_EQ(store.Save(book).problem, "");
    EXPECT_EQ(ReadBookFile(files.files.at(kPath)).entries.size(), 2u);
  }
}

}  // namespace
}  // namespace petcalc::book

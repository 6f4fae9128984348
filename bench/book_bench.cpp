// The book at 1,000, 10,000 and 100,000 records: its file and its spreadsheet written and read
// back, its entries read one by one as the page stores them, and a finished click kept in it.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bench/made_book.h"
#include "book/book.h"
#include "book/book_csv.h"
#include "book/book_json.h"

namespace petcalc::book {
namespace {

// A file read into a book as the programs take one in: each entry moved, not copied.
void Absorb(Book& book, BookFile file) {
  book.Reserve(file.records.size());
  for (Record& record : file.records) book.Absorb(std::move(record));
  for (Tombstone& tombstone : file.deleted) book.Absorb(std::move(tombstone));
}

// Each round reads into a new book. The book is destroyed outside the timing: the reading is what
// is measured, and a program's book lives until it ends.
template <typename Read>
void TimeReading(benchmark::State& state, Read read) {
  for (auto _ : state) {
    auto book = std::make_unique<Book>();
    read(*book);
    benchmark::DoNotOptimize(book->size());
    state.PauseTiming();
    book.reset();
    state.ResumeTiming();
  }
}

void BM_WriteJson(benchmark::State& state) {
  const Book book = MadeBook(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(BookJson(book));
}

void BM_ReadJson(benchmark::State& state) {
  const std::string json = BookJson(MadeBook(state.range(0)));
  TimeReading(state, [&](Book& book) { Absorb(book, std::move(*ReadBookJson(json).file)); });
}

// The page's start: each entry read on its own, as the page's storage holds them.
void BM_ReadEntries(benchmark::State& state) {
  const Book made = MadeBook(state.range(0));
  std::vector<std::string> entries;
  for (const Record* record : made.Records()) entries.push_back(EntryJson(*record));
  TimeReading(state, [&](Book& book) {
    book.Reserve(entries.size());
    for (const std::string& entry : entries) book.Absorb(std::move(*ReadEntryJson(entry).entry));
  });
}

void BM_WriteCsv(benchmark::State& state) {
  const Book book = MadeBook(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(BookCsv(book));
}

void BM_ReadCsv(benchmark::State& state) {
  const std::string csv = BookCsv(MadeBook(state.range(0)));
  TimeReading(state, [&](Book& book) {
    Absorb(book, std::move(*ReadBookCsv(csv, Time::FromMilliseconds(0)).file));
  });
}

// A prediction kept on a record the book holds: the newest of its stats found, its target set.
void BM_KeepRecord(benchmark::State& state) {
  Book book = MadeBook(state.range(0));
  const PetStats stats = {1, 50, 20, 30, 10, 10, 11, 75, 50, 60, 30, 30};
  std::int32_t target = 30;
  for (auto _ : state) {
    benchmark::DoNotOptimize(book.KeepPrediction(stats, target, Time::FromMilliseconds(target)));
    target = target == 30 ? 31 : 30;
  }
}

BENCHMARK(BM_WriteJson)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadJson)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadEntries)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteCsv)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadCsv)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeepRecord)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace petcalc::book

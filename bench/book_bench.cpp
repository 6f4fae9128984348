// The book at 1,000, 10,000 and 100,000 records: its file and its spreadsheet written and read
// back, and a finished click kept in it.
#include <benchmark/benchmark.h>

#include <string>

#include "book/book.h"
#include "book/book_csv.h"
#include "book/book_json.h"

namespace petcalc::book {
namespace {

// A book of `count` records of a tenth as many pets, named and noted as a player would, as a
// copy of it elsewhere would hand them over.
Book Made(std::int64_t count) {
  Book book;
  for (std::int64_t i = 0; i < count; ++i) {
    Record record;
    record.id = "r" + std::to_string(i);
    record.pet = "p" + std::to_string(i / 10);
    record.name = "小白" + std::to_string(i % 50);
    if (i % 7 == 0) record.note = "第二次升级后重新测过";
    record.made = record.changed = Time::FromMilliseconds(1796688000000 + i);
    record.stats = {1, 50, 20, 30, 10, 10, 11, 75, 50, 60, 30, 30};
    record.stats[1] += static_cast<std::int32_t>(i);
    record.stats[7] += static_cast<std::int32_t>(i % 977);
    if (i % 3 == 0) record.target_level = 30;
    book.Absorb(record);
  }
  return book;
}

void Absorb(Book& book, const BookFile& file) {
  for (const Record& record : file.records) book.Absorb(record);
  for (const Tombstone& tombstone : file.deleted) book.Absorb(tombstone);
}

void BM_WriteJson(benchmark::State& state) {
  const Book book = Made(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(BookJson(book));
}

void BM_ReadJson(benchmark::State& state) {
  const std::string json = BookJson(Made(state.range(0)));
  for (auto _ : state) {
    Book book;
    Absorb(book, *ReadBookJson(json).file);
    benchmark::DoNotOptimize(book.size());
  }
}

void BM_WriteCsv(benchmark::State& state) {
  const Book book = Made(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(BookCsv(book));
}

void BM_ReadCsv(benchmark::State& state) {
  const std::string csv = BookCsv(Made(state.range(0)));
  for (auto _ : state) {
    Book book;
    Absorb(book, *ReadBookCsv(csv, Time::FromMilliseconds(0)).file);
    benchmark::DoNotOptimize(book.size());
  }
}

// A prediction kept on a record the book holds: the newest of its stats found, its target set.
void BM_KeepRecord(benchmark::State& state) {
  Book book = Made(state.range(0));
  const PetStats stats = {1, 50, 20, 30, 10, 10, 11, 75, 50, 60, 30, 30};
  std::int32_t target = 30;
  for (auto _ : state) {
    benchmark::DoNotOptimize(book.KeepPrediction(stats, target, Time::FromMilliseconds(target)));
    target = target == 30 ? 31 : 30;
  }
}

BENCHMARK(BM_WriteJson)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadJson)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteCsv)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadCsv)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeepRecord)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace petcalc::book

// The Qt program's book on a real disk: a finished click kept and its save (the merge with the
// file, the backup, the flushes and the rename) at three sizes; and, with 10,000 records in
// place, the time from building the window until its first paint, until the book is read (the
// book window could show it), and until a first click is answered.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "bench/made_book.h"
#include "book/book_json.h"
#include "qt/form1.h"
#include "qt/kept_book.h"
#include "tests/support/typical_pet.h"

namespace petcalc {
namespace {

// A folder holding a book of `count` records.
std::unique_ptr<QTemporaryDir> FolderWithBook(std::int64_t count) {
  auto folder = std::make_unique<QTemporaryDir>();
  QFile file(folder->filePath(QStringLiteral("book.json")));
  const std::string json = book::BookJson(book::MadeBook(count));
  if (file.open(QIODevice::WriteOnly)) file.write(json.data(), static_cast<qint64>(json.size()));
  return folder;
}

void BM_KeptClickAndItsSave(benchmark::State& state) {
  const auto folder = FolderWithBook(state.range(0));
  qt::KeptBook kept(folder->path());
  kept.open();
  FinishedClick click{
      FinishedClick::Kind::kPrediction, {1, 50, 20, 30, 10, 10, 11, 75, 50, 60, 30, 30}, 30};
  for (auto _ : state) {
    click.target_level = click.target_level == 30 ? 31 : 30;
    kept.Finished(click);
    if (!kept.saveNow()) state.SkipWithError("the save failed");
  }
}

void TypeTypicalPet(qt::Form1& window) {
  for (std::size_t i = 0; i < form::kStatBoxCount; ++i) {
    window.control(form::StatBox(i))
        ->setText(QString::fromStdU16String(std::u16string(testing::kTypicalStats[i])));
  }
}

// From building the window: its first paint, the book read after it, and a click answered.
void BM_StartWithTenThousandRecords(benchmark::State& state) {
  const auto folder = FolderWithBook(10000);
  double painted = 0, read = 0, answered = 0;
  for (auto _ : state) {
    QElapsedTimer clock;
    clock.start();
    qt::KeptBook kept(folder->path());
    bool opened = false;
    QObject::connect(&kept, &qt::KeptBook::recordsChanged, [&] { opened = true; });
    qt::Form1 window(nullptr, &kept);
    kept.openAfterFirstPaint(&window);
    window.show();
    benchmark::DoNotOptimize(window.grab());
    painted += static_cast<double>(clock.nsecsElapsed());
    if (!QTest::qWaitFor([&] { return opened; }, 5000)) state.SkipWithError("never read");
    read += static_cast<double>(clock.nsecsElapsed());
    TypeTypicalPet(window);
    window.control(form::Command1)->click();
    answered += static_cast<double>(clock.nsecsElapsed());
    kept.saveNow();
  }
  const double runs = static_cast<double>(state.iterations()) * 1e6;
  state.counters["first_paint_ms"] = painted / runs;
  state.counters["book_read_ms"] = read / runs;
  state.counters["click_answered_ms"] = answered / runs;
}

BENCHMARK(BM_KeptClickAndItsSave)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartWithTenThousandRecords)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace petcalc

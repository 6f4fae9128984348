// The Qt program's saves on a real disk, in real processes: killed at any moment, they leave a
// book that reads and holds every record whose save returned; two at once keep both's records.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <iostream>
#include <memory>
#include <set>
#include <string>

#include "book/book_store.h"

namespace petcalc::book {
namespace {

std::unique_ptr<QProcess> Start(const QString& folder, const QStringList& commands) {
  auto saver = std::make_unique<QProcess>();
  saver->start(QStringLiteral(PETCALC_BOOK_SAVER), QStringList{folder} + commands);
  return saver;
}

// The ids a saver said it saved, from what it wrote so far.
void TakeSaved(QProcess& saver, std::set<std::string>& saved) {
  while (saver.canReadLine()) {
    const QByteArray line = saver.readLine();
    if (line.startsWith("saved ") && line.endsWith('\n')) {
      saved.insert(line.mid(6).chopped(1).toStdString());
    }
  }
}

BookRead ReadOnDisk(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {{}, file.errorString().toStdString()};
  return ReadBookFile(file.readAll().toStdString());
}

std::set<std::string> RecordIds(const BookRead& read) {
  std::set<std::string> ids;
  for (const Entry& entry : read.entries) {
    if (std::holds_alternative<Record>(entry)) ids.insert(IdOf(entry));
  }
  return ids;
}

// Waits for the saver's first save to return: a slow start, as under a sanitizer on a busy
// machine, would otherwise take most kills before any save. From there it saves again and again,
// and a kill lands anywhere in a save.
void WaitForFirstSave(QProcess& saver, std::set<std::string>& saved) {
  const std::size_t before = saved.size();
  while (saved.size() == before && saver.waitForReadyRead(60000)) TakeSaved(saver, saved);
}

TEST(BookSaves, KilledAtAnyMomentLeaveABookHoldingEverySaveThatReturned) {
  constexpr int kKills = 500;
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("book.json"));
  std::set<std::string> saved;
  int while_saving = 0;  // kills that found the saver still saving
  for (int kill = 0; kill < kKills; ++kill) {
    const std::unique_ptr<QProcess> saver = Start(
        folder.path(), {QStringLiteral("add"), QString::number(kill), QStringLiteral("1000")});
    ASSERT_TRUE(saver->waitForStarted());
    WaitForFirstSave(*saver, saved);
    if (!saver->waitForFinished(static_cast<int>(QRandomGenerator::global()->bounded(0, 150)))) {
      ++while_saving;
    }
    saver->kill();
    saver->waitForFinished();
    TakeSaved(*saver, saved);

    const BookRead read = ReadOnDisk(path);
    ASSERT_EQ(read.problem, "") << "after kill " << kill;
    const std::set<std::string> on_disk = RecordIds(read);
    for (const std::string& id : saved) {
      ASSERT_TRUE(on_disk.count(id)) << id << " was saved, and is gone after kill " << kill;
    }
  }
  std::cout << saved.size() << " saves returned across " << kKills << " kills, " << while_saving
            << " of them mid-run\n";
  EXPECT_GT(while_saving, kKills * 9 / 10) << "the saver ended before it was killed";
}

TEST(BookSaves, TwoCopiesAtOnceKeepEachOthersRecordsAndDeletions) {
  QTemporaryDir folder;
  // Both at a fast player's pace, each save waiting for the other's.
  const std::unique_ptr<QProcess> a =
      Start(folder.path(), {QStringLiteral("pace"), QStringLiteral("30"), QStringLiteral("add"),
                            QStringLiteral("1"), QStringLiteral("100")});
  const std::unique_ptr<QProcess> b =
      Start(folder.path(), {QStringLiteral("pace"), QStringLiteral("30"), QStringLiteral("add"),
                            QStringLiteral("2"), QStringLiteral("100"), QStringLiteral("wait"),
                            QStringLiteral("add"), QStringLiteral("3"), QStringLiteral("1")});
  std::set<std::string> by_a, by_b;
  ASSERT_TRUE(a->waitForFinished(180000));
  TakeSaved(*a, by_a);
  EXPECT_EQ(a->exitCode(), 0) << a->readAllStandardError().toStdString();
  TakeSaved(*b, by_b);
  while (by_b.size() < 100 && b->waitForReadyRead(180000)) TakeSaved(*b, by_b);
  ASSERT_EQ(by_a.size(), 100u);
  ASSERT_EQ(by_b.size(), 100u) << b->readAllStandardError().toStdString();
  EXPECT_EQ(RecordIds(ReadOnDisk(folder.filePath(QStringLiteral("book.json")))).size(), 200u);

  // One of b's records deleted by another copy, while b still holds it and saves again.
  const std::string deleted = *by_b.begin();
  const std::unique_ptr<QProcess> remover =
      Start(folder.path(), {QStringLiteral("delete"), QString::fromStdString(deleted)});
  ASSERT_TRUE(remover->waitForFinished(180000));
  EXPECT_EQ(remover->exitCode(), 0);
  b->write("\n");
  ASSERT_TRUE(b->waitForFinished(180000));
  EXPECT_EQ(b->exitCode(), 0) << b->readAllStandardError().toStdString();
  const std::set<std::string> on_disk =
      RecordIds(ReadOnDisk(folder.filePath(QStringLiteral("book.json"))));
  EXPECT_EQ(on_disk.size(), 200u);
  EXPECT_EQ(on_disk.count(deleted), 0u) << "the deletion was undone by a copy that had not seen it";
  for (const std::string& id : by_a) EXPECT_TRUE(on_disk.count(id)) << id;
}

}  // namespace
}  // namespace petcalc::book

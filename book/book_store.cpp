#include "book/book_store.h"

#include <utility>

#include "book/book_json.h"

namespace petcalc::book {
namespace {

std::string Quoted(const std::string& path) { return "“" + path + "”"; }

std::string NotLocked(const BookFiles::Locked& locked, const std::string& path) {
  return locked.why.empty() ? "另一个程序一直占用着 " + Quoted(path)
                            : "无法锁定 " + Quoted(path) + "：" + locked.why;
}

std::string NotRead(const std::string& path, const std::string& why) {
  return "宠物记录文件 " + Quoted(path) + " 无法读取：" + why + "。它原样保留，没有任何改动。";
}

// book.json's name with a time in it, for a file moved aside: 20261208T104553123Z.
std::string AsideName(const std::string& folder, Time now) {
  std::string stamp;
  for (char c : TimeText(now)) {
    if (c != '-' && c != ':' && c != '.') stamp += c;
  }
  return folder + "/book.unreadable-" + stamp + ".json";
}

}  // namespace

BookRead ReadBookFile(std::string_view bytes) {
  FileRead read = ReadBookJson(bytes);
  if (!read.file) return {{}, read.problem};
  if (!read.file->problems.empty()) {
    const RowProblem& first = read.file->problems.front();
    return {{}, first.where + "：" + first.reason};
  }
  BookRead book;
  book.entries.reserve(read.file->records.size() + read.file->deleted.size());
  for (Record& record : read.file->records) book.entries.emplace_back(std::move(record));
  for (Tombstone& tombstone : read.file->deleted) book.entries.emplace_back(std::move(tombstone));
  return book;
}

BookStore::BookStore(BookFiles& files, std::string folder)
    : files_(files),
      folder_(std::move(folder)),
      path_(folder_ + "/book.json"),
      backup_path_(folder_ + "/book.previous.json") {}

bool BookStore::Merge(Book& book, FileBytes& disk, Changes& changed, std::string& problem) {
  if (disk.state == FileBytes::State::kFailed) {
    problem = NotRead(path_, disk.problem);
    return false;
  }
  if (disk.state == FileBytes::State::kAbsent) return true;
  BookRead read = ReadBookFile(disk.bytes);
  if (!read.problem.empty()) {
    problem = NotRead(path_, read.problem);
    return false;
  }
  book.Reserve(book.size() + read.entries.size());
  for (Entry& entry : read.entries) {
    std::string id = IdOf(entry);
    if (book.Absorb(std::move(entry))) changed.push_back(std::move(id));
  }
  return true;
}

bool BookStore::Open(Book& book) {
  FileBytes disk = files_.Read(path_);
  Changes ignored;
  std::string problem;
  if (Merge(book, disk, ignored, problem)) return true;
  problem_ = problem;
  FileBytes backup = files_.Read(backup_path_);
  BookRead kept = backup.state == FileBytes::State::kRead ? ReadBookFile(backup.bytes) : BookRead{};
  can_restore_ = backup.state == FileBytes::State::kRead && kept.problem.empty();
  if (can_restore_) {
    book.Reserve(kept.entries.size());
    for (Entry& entry : kept.entries) book.Absorb(std::move(entry));
    problem_ +=
        "下面是它的备份 " + Quoted(backup_path_) + "，只能查看；可以恢复这个备份，或新建记录。";
  } else {
    problem_ += "没有可读的备份；可以新建记录。";
  }
  problem_ += "在此之前，计算不会记下。";
  return false;
}

BookStore::Saved BookStore::Reload(Book& book) {
  Saved saved;
  if (read_only()) return saved;
  // Every save renames a whole file into place: what is read is one save's, with no lock.
  FileBytes disk = files_.Read(path_);
  if (!Merge(book, disk, saved.from_disk, saved.problem)) problem_ = saved.problem;
  return saved;
}

BookStore::Saved BookStore::Save(Book& book) {
  Saved saved;
  if (read_only()) {
    saved.problem = problem_;
    return saved;
  }
  if (std::string made = files_.MakeFolder(folder_); !made.empty()) {
    saved.problem = "宠物记录没有保存：无法建立文件夹 " + Quoted(folder_) + "：" + made + "。";
    return saved;
  }
  const BookFiles::Locked locked = files_.Lock(path_);
  if (!locked.lock) {
    saved.problem = "宠物记录没有保存：" + NotLocked(locked, path_) + "。磁盘上的文件保持原样。";
    return saved;
  }
  FileBytes disk = files_.Read(path_);
  if (!Merge(book, disk, saved.from_disk, saved.problem)) {
    problem_ = saved.problem;
    can_restore_ = false;
    return saved;
  }
  std::string failed;
  if (disk.state == FileBytes::State::kRead) failed = files_.Replace(backup_path_, disk.bytes);
  if (failed.empty()) failed = files_.Replace(path_, BookJson(book));
  if (!failed.empty()) {
    saved.problem = "宠物记录没有保存：" + failed + "。磁盘上的文件保持原样。";
  }
  return saved;
}

std::string BookStore::MoveUnreadableAside(Time now) {
  const BookFiles::Locked locked = files_.Lock(path_);
  if (!locked.lock) return NotLocked(locked, path_) + "。";
  FileBytes disk = files_.Read(path_);
  if (disk.state == FileBytes::State::kAbsent) return {};
  const std::string aside = AsideName(folder_, now);
  if (std::string moved = files_.MoveAside(path_, aside); !moved.empty()) {
    return "无法把 " + Quoted(path_) + " 移到 " + Quoted(aside) + "：" + moved + "。";
  }
  return {};
}

std::string BookStore::Restore(Book& book, Time now) {
  if (!can_restore_) return "没有可恢复的备份。";
  if (std::string moved = MoveUnreadableAside(now); !moved.empty()) return moved;
  problem_.clear();
  can_restore_ = false;
  Saved saved = Save(book);
  return saved.problem;
}

std::string BookStore::StartNew(Book& book, Time now) {
  if (std::string moved = MoveUnreadableAside(now); !moved.empty()) return moved;
  problem_.clear();
  can_restore_ = false;
  book = Book();
  return {};
}

}  // namespace petcalc::book

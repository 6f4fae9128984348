#pragma once

#include <string>
#include <vector>

#include "book/book.h"
#include "book/book_files.h"

namespace petcalc::book {

// The book as a desktop keeps it: one file in the player's data folder, book.json, and the file
// it replaced, book.previous.json, kept as its backup.
// - A save is a merge: under the lock, what is on disk (another copy's changes) is taken into
//   the book first, by the rules every copy merges by, and only then is the book written over
//   it, in one step.
// - A file that cannot be read, or that a newer version wrote, is never written over, moved or
//   deleted: the store is then read-only, showing the backup where that reads, until the player
//   restores the backup or starts a new book; only then is the file moved aside, its bytes intact.
class BookStore {
 public:
  // The file names in `folder` (UTF-8, no trailing separator).
  BookStore(BookFiles& files, std::string folder);

  const std::string& folder() const { return folder_; }
  const std::string& path() const { return path_; }
  const std::string& backup_path() const { return backup_path_; }

  // The file read into `book`, which is empty. Gives false when it could not be read: the store
  // is read-only and `book` holds the backup, where that reads.
  bool Open(Book& book);

  // Whether the store writes nothing until the player chooses (Restore or StartNew), and why, in
  // Chinese: which file, and what is wrong with it.
  bool read_only() const { return !problem_.empty(); }
  const std::string& problem() const { return problem_; }
  // Whether the book shown read-only is the backup, which Restore makes the book.
  bool can_restore() const { return can_restore_; }

  struct Saved {
    Changes from_disk;    // the ids another copy had changed, now in the book
    std::string problem;  // empty when the book is on disk; else why not, in Chinese
  };
  // The book on disk, merged first with what is there (see above). Read-only, nothing is written.
  Saved Save(Book& book);
  // What another copy saved, taken into the book, with nothing written.
  Saved Reload(Book& book);

  // The unreadable file moved aside, and the backup (which `book` shows) made the book; or a new,
  // empty book in `book`. Each gives why it could not, empty when done; the store is then
  // writable again.
  std::string Restore(Book& book, Time now);
  std::string StartNew(Book& book, Time now);

 private:
  // What is on disk, taken into `book`; false (and problem set) when it cannot be read.
  bool Merge(Book& book, FileBytes& disk, Changes& changed, std::string& problem);
  std::string MoveUnreadableAside(Time now);

  BookFiles& files_;
  std::string folder_;
  std::string path_;
  std::string backup_path_;
  std::string problem_;
  bool can_restore_ = false;
};

// A book file's bytes, as a store reads them: every entry, or why the file cannot be read. A file
// with any entry that is wrong cannot be read: saving it would lose that entry.
struct BookRead {
  std::vector<Entry> entries;
  std::string problem;
};
BookRead ReadBookFile(std::string_view bytes);

}  // namespace petcalc::book

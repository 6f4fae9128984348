#pragma once

#include <string>

#include "book/book.h"
#include "book/book_files.h"
#include "book/book_store.h"
#include "calc/calculator.h"

namespace petcalc::book {

// The player's book as a desktop program keeps it, whatever its toolkit: opened from the store
// once, every finished click kept in it while the player's switch is on, saved when the program
// asks (after the click was answered), another copy's saves taken in, and the player's choice
// for a file that cannot be read. The front end chooses the moments; this says what happens.
class BookKeeper {
 public:
  // The book in `folder` (UTF-8), and the switch kept beside it.
  BookKeeper(BookFiles& files, std::string folder);

  // Reads the book and the switch; only the first call does anything.
  void Open();
  bool opened() const { return opened_; }

  Book& book() { return book_; }
  const BookStore& store() const { return store_; }

  // The click kept (opening the book first, where it is not yet): the ids it changed, none while
  // the switch is off or the store is read-only.
  Changes Keep(const FinishedClick& click, Time now);

  // Whether finished clicks are kept; on until the player turns it off. Setting it keeps it on
  // disk; gives why it could not, empty when done.
  bool keeping() const { return keeping_; }
  std::string SetKeeping(bool keeping);

  // What BookStore::Save and Reload do, with the problem they end with kept as problem().
  BookStore::Saved Save();
  BookStore::Saved Reload();
  // The player's choice for a file that cannot be read (BookStore::Restore, StartNew).
  void Restore(Time now);
  void StartNew(Time now);

  // Why the book is not on disk as it stands, or cannot be read, in Chinese; empty when all is
  // well.
  const std::string& problem() const { return problem_; }

 private:
  void Chose(const std::string& problem);

  BookFiles& files_;
  std::string switch_path_;
  Book book_;
  BookStore store_;
  bool opened_ = false;
  bool keeping_ = true;
  std::string problem_;
};

}  // namespace petcalc::book

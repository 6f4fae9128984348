#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "book/book_keeper.h"
#include "calc/calculator.h"
#include "win32/win32_book_files.h"

namespace petcalc::win32 {

// The player's book in the Windows program (book::BookKeeper): every finished click kept in it,
// and the book saved once the message loop turns again, so that the click is answered first.
// Another copy's saves are taken in as the file changes, looked for every second.
class KeptBook : public ClickObserver {
 public:
  // The book in `folder` (UTF-8), which a test chooses; by default the player's roaming folder.
  explicit KeptBook(std::string folder = DefaultBookFolder());
  ~KeptBook() override;  // waits for the last save
  KeptBook(const KeptBook&) = delete;
  KeptBook& operator=(const KeptBook&) = delete;

  // Opens the book once the loop turns: after the window's first paint, which comes first.
  void OpenSoon();
  void Open();

  book::Book& book() { return keeper_.book(); }
  const book::BookStore& store() const { return keeper_.store(); }
  const std::string& problem() const { return keeper_.problem(); }

  void Finished(const FinishedClick& click) noexcept override;

  bool keeping() const { return keeper_.keeping(); }
  void SetKeeping(bool keeping);
  void Restore();
  void StartNew();

  // The book's changes, made here, kept on disk once the loop turns.
  void Changed(const book::Changes& ids);
  // Saves now what is waiting; gives whether the book is on disk.
  bool SaveNow();

  // Told when the records change (here or by another copy) and when the problem changes.
  std::function<void()> on_records;
  std::function<void(const std::string&)> on_problem;

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  void TakeOtherCopysSave();
  void Tell(const book::BookStore::Saved& saved);
  FILETIME WrittenAt() const;

  Win32BookFiles files_;
  book::BookKeeper keeper_;
  HWND messages_ = nullptr;  // a message-only window: the loop's next turn, and the watch
  bool save_waiting_ = false;
  FILETIME written_{};
  std::string told_;
};

}  // namespace petcalc::win32

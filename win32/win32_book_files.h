#pragma once

#include <string>

#include "book/book_files.h"

namespace petcalc::win32 {

// The book's files through the Windows API: each replace written beside the book, flushed with
// FlushFileBuffers and moved over it with MoveFileExW's write-through (not ReplaceFileW, which
// wine carries out as two moves with a moment between them); the lock is LockFileEx on a file of
// its own beside the book, which Windows lets go when its holder ends, however it ends.
class Win32BookFiles : public book::BookFiles {
 public:
  book::FileBytes Read(const std::string& path) override;
  std::string MakeFolder(const std::string& path) override;
  std::string Replace(const std::string& path, std::string_view bytes) override;
  std::string MoveAside(const std::string& from, const std::string& to) override;
  Locked Lock(const std::string& path) override;
};

// The folder of the player's book: %APPDATA%\Tenvo\PetCalc, in UTF-8; empty where Windows has no
// roaming data folder for the player.
std::string DefaultBookFolder();

}  // namespace petcalc::win32

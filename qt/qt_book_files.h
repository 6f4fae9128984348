#pragma once

#include "book/book_files.h"

namespace petcalc::qt {

// The book's files through Qt: QSaveFile's flushed write and rename, the folder flushed after
// it, and QLockFile beside the book.
class QtBookFiles : public book::BookFiles {
 public:
  book::FileBytes Read(const std::string& path) override;
  std::string MakeFolder(const std::string& path) override;
  std::string Replace(const std::string& path, std::string_view bytes) override;
  std::string MoveAside(const std::string& from, const std::string& to) override;
  Locked Lock(const std::string& path) override;
};

}  // namespace petcalc::qt

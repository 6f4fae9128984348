#pragma once

#include <map>
#include <set>
#include <string>

#include "book/book_files.h"

namespace petcalc::book::testing {

// Files kept in memory, each write whole or not at all, failing where a test says.
class MemoryFiles : public BookFiles {
 public:
  std::map<std::string, std::string> files;
  std::set<std::string> failing_writes;  // paths whose Replace fails
  bool reads_fail = false;
  bool folder_fails = false;
  bool lock_taken_elsewhere = false;
  int replaced = 0;

  FileBytes Read(const std::string& path) override {
    if (reads_fail) return {FileBytes::State::kFailed, {}, "Permission denied"};
    const auto found = files.find(path);
    if (found == files.end()) return {};
    return {FileBytes::State::kRead, found->second, {}};
  }
  std::string MakeFolder(const std::string&) override {
    return folder_fails ? "Read-only file system" : "";
  }
  std::string Replace(const std::string& path, std::string_view bytes) override {
    if (failing_writes.count(path) != 0) return "No space left on device";
    files[path] = std::string(bytes);
    ++replaced;
    return {};
  }
  std::string MoveAside(const std::string& from, const std::string& to) override {
    if (files.count(to) != 0 || files.count(from) == 0) return "File exists";
    files[to] = files[from];
    files.erase(from);
    return {};
  }
  Locked Lock(const std::string&) override {
    if (lock_taken_elsewhere) return {};
    return {std::make_unique<FileLock>(), {}};
  }
};

}  // namespace petcalc::book::testing

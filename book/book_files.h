#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

namespace petcalc::book {

// A file's bytes as a desktop read them: read whole, absent, or unreadable with the system's
// reason.
struct FileBytes {
  enum class State { kRead, kAbsent, kFailed };
  State state = State::kAbsent;
  std::string bytes;
  std::string problem;
};

// How long a save waits for another copy's lock, longer than any save of the largest book takes,
// and how often it tries meanwhile: often, so that a copy saving again and again cannot keep it
// from every moment between its saves.
inline constexpr std::chrono::milliseconds kLockWait{10000};
inline constexpr std::chrono::milliseconds kLockPoll{20};

// Held while it lives: no other copy of the program saves the book meanwhile.
class FileLock {
 public:
  virtual ~FileLock() = default;
};

// What the book's store asks of a desktop's files. Each desktop implements it with its own
// platform's calls, and the tests with the failures they choose. Paths are UTF-8; every problem
// is the system's reason, said in a line.
class BookFiles {
 public:
  virtual ~BookFiles() = default;
  virtual FileBytes Read(const std::string& path) = 0;
  // The folder at `path` and those above it, where they are missing; empty when it stands.
  virtual std::string MakeFolder(const std::string& path) = 0;
  // `bytes` in place of the file at `path` in one step: written to a file beside it, flushed,
  // renamed over it, its folder flushed. Anything that fails leaves the file as it was, and
  // gives why; empty when the bytes are on disk.
  virtual std::string Replace(const std::string& path, std::string_view bytes) = 0;
  // The file at `from` renamed to `to`, where nothing is, its bytes untouched; empty when done.
  virtual std::string MoveAside(const std::string& from, const std::string& to) = 0;
  // The lock of the book at `path`, waited for while another copy holds it; null when it never
  // came (`why` empty), or when the folder cannot hold it (`why` says why).
  struct Locked {
    std::unique_ptr<FileLock> lock;
    std::string why;
  };
  virtual Locked Lock(const std::string& path) = 0;
};

}  // namespace petcalc::book

#include "qt/qt_book_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>
#include <thread>

#include "book/problems.h"

namespace petcalc::qt {
namespace {

QString Path(const std::string& path) { return QString::fromStdString(path); }

// The reasons a player meets, in Chinese; any other as the system says it.
std::string Reason(int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT:
      return "磁盘空间已满";
    case EROFS:
      return "磁盘是只读的";
    case EACCES:
    case EPERM:
      return "没有写入这个文件夹的权限";
    case EIO:
      return "磁盘读写出错";
    default:
      return std::strerror(error);
  }
}

// Why a file failed: by the errno of the call that failed, where there is one (QSaveFile's own
// text for a failed write is "Unknown error").
std::string Why(const QFileDevice& file, int error = 0) {
  return error != 0 ? Reason(error) : file.errorString().toStdString();
}

// A rename is on disk once its folder is: QSaveFile flushes the file, not the folder.
std::string FlushFolder(const QString& folder) {
  const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
  if (descriptor < 0) return Reason(errno);
  const int flushed = ::fsync(descriptor);
  const int error = errno;
  ::close(descriptor);
  return flushed == 0 ? std::string() : Reason(error);
}

class QtFileLock : public book::FileLock {
 public:
  explicit QtFileLock(const QString& path) : lock_(path) {
    // A copy killed after making the lock file and before writing its process id into it leaves
    // an empty file, which only its age shows stale. A live holder's file is never taken from it
    // however old: QLockFile holds it with flock as well.
    lock_.setStaleLockTime(kStaleMilliseconds);
  }
  // Empty when taken; else why not, empty where another copy holds it.
  std::optional<std::string> take() {
    // Tried at a steady pace: QLockFile's own wait doubles its sleeps, and a copy saving again
    // and again would hold the lock at each of its few tries.
    const QDeadlineTimer deadline(book::kLockWait);
    while (!lock_.tryLock(0)) {
      if (lock_.error() != QLockFile::LockFailedError || deadline.hasExpired()) return Why();
      std::this_thread::sleep_for(book::kLockPoll);
    }
    return std::nullopt;
  }

 private:
  std::string Why() const {
    switch (lock_.error()) {
      case QLockFile::LockFailedError:
        return std::string();
      case QLockFile::PermissionError:
        return Reason(errno != 0 ? errno : EACCES);
      default:
        return Reason(errno != 0 ? errno : EIO);
    }
  }

  // A copy killed while it held the lock leaves a file that QLockFile knows for stale by its
  // process id, or by its age.
  static constexpr int kStaleMilliseconds = 1000;
  QLockFile lock_;
};

}  // namespace

book::FileBytes QtBookFiles::Read(const std::string& path) {
  QFile file(Path(path));
  if (!file.exists()) return {book::FileBytes::State::kAbsent, {}, {}};
  if (!file.open(QIODevice::ReadOnly)) return {book::FileBytes::State::kFailed, {}, Why(file)};
  // One byte more than a book may hold, so that a larger file is refused by its reader.
  const QByteArray bytes = file.read(static_cast<qint64>(book::kMaxFileBytes) + 1);
  if (file.error() != QFileDevice::NoError) {
    return {book::FileBytes::State::kFailed, {}, Why(file)};
  }
  return {book::FileBytes::State::kRead, bytes.toStdString(), {}};
}

std::string QtBookFiles::MakeFolder(const std::string& path) {
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path), error);
  return error ? error.message() : std::string();
}

std::string QtBookFiles::Replace(const std::string& path, std::string_view bytes) {
  QSaveFile file(Path(path));
  // Unbuffered, a full disk fails the write itself, which then says why.
  errno = 0;
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return Why(file, errno);
  if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
      static_cast<qint64>(bytes.size())) {
    std::string why = Why(file, errno);
    file.cancelWriting();
    return why;
  }
  errno = 0;
  if (!file.commit()) return Why(file, errno);
  return FlushFolder(QFileInfo(Path(path)).absolutePath());
}

std::string QtBookFiles::MoveAside(const std::string& from, const std::string& to) {
  QFile file(Path(from));
  if (file.rename(Path(to))) return FlushFolder(QFileInfo(Path(to)).absolutePath());
  return Why(file);
}

book::BookFiles::Locked QtBookFiles::Lock(const std::string& path) {
  auto lock = std::make_unique<QtFileLock>(Path(path) + QStringLiteral(".lock"));
  errno = 0;
  if (std::optional<std::string> why = lock->take()) return {nullptr, std::move(*why)};
  return {std::move(lock), {}};
}

}  // namespace petcalc::qt

#include "win32/win32_book_files.h"

#include <shlobj.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <utility>

#include "book/problems.h"
#include "win32/system_library.h"
#include "win32/wide_text.h"

namespace petcalc::win32 {
namespace {

// An open file, closed when it goes (INVALID_HANDLE_VALUE, what CreateFileW fails with, is no
// constant a template could hold).
class UniqueFile {
 public:
  explicit UniqueFile(HANDLE file) : file_(file) {}
  UniqueFile(UniqueFile&& other) noexcept
      : file_(std::exchange(other.file_, INVALID_HANDLE_VALUE)) {}
  UniqueFile& operator=(UniqueFile&&) = delete;
  ~UniqueFile() { reset(); }

  HANDLE get() const { return file_; }
  explicit operator bool() const { return file_ != INVALID_HANDLE_VALUE; }
  void reset() {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(std::exchange(file_, INVALID_HANDLE_VALUE));
  }

 private:
  HANDLE file_;
};

// The reasons a player meets, in Chinese; any other as the system says it.
std::string Reason(DWORD error) {
  switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return "磁盘空间已满";
    case ERROR_WRITE_PROTECT:
      return "磁盘是只读的";
    case ERROR_ACCESS_DENIED:
      return "没有写入这个文件夹的权限";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return "文件正被另一个程序使用";
    default:
      break;
  }
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring said = length > 0 ? std::wstring(text, length) : L"error " + std::to_wstring(error);
  LocalFree(text);
  while (!said.empty() && (said.back() == L'\n' || said.back() == L'\r' || said.back() == L'.')) {
    said.pop_back();
  }
  return Utf8FromWide(said);
}

std::string LastReason() { return Reason(GetLastError()); }

// Everything of `bytes` written to `file`; false at the first failure.
bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1U << 20));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

class Win32FileLock : public book::FileLock {
 public:
  explicit Win32FileLock(UniqueFile file) : file_(std::move(file)) {}
  ~Win32FileLock() override {
    OVERLAPPED whole{};
    UnlockFileEx(file_.get(), 0, MAXDWORD, MAXDWORD, &whole);
  }

 private:
  UniqueFile file_;
};

}  // namespace

book::FileBytes Win32BookFiles::Read(const std::string& path) {
  UniqueFile file(CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return {};
    return {book::FileBytes::State::kFailed, {}, Reason(error)};
  }
  // Room for the file as it is, grown should it grow meanwhile, never past one byte more than a
  // book may hold, so that a larger file is refused by its reader.
  constexpr std::size_t kCap = book::kMaxFileBytes + 1;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) return {book::FileBytes::State::kFailed, {}, LastReason()};
  std::string bytes(std::min<std::size_t>(static_cast<std::size_t>(size.QuadPart) + 1, kCap), '\0');
  std::size_t read = 0;
  for (;;) {
    if (read == bytes.size()) {
      if (bytes.size() == kCap) break;
      bytes.resize(std::min(bytes.size() * 2, kCap));
    }
    DWORD got = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - read, 1U << 20));
    if (!ReadFile(file.get(), bytes.data() + read, chunk, &got, nullptr)) {
      return {book::FileBytes::State::kFailed, {}, LastReason()};
    }
    if (got == 0) break;
    read += got;
  }
  bytes.resize(read);
  return {book::FileBytes::State::kRead, std::move(bytes), {}};
}

std::string Win32BookFiles::MakeFolder(const std::string& path) {
  auto* make = Shell().Get<decltype(SHCreateDirectoryExW)>("SHCreateDirectoryExW");
  if (make == nullptr) return LastReason();
  const int made = make(nullptr, WideFromUtf8(path).c_str(), nullptr);
  if (made == ERROR_SUCCESS || made == ERROR_ALREADY_EXISTS || made == ERROR_FILE_EXISTS) return {};
  return Reason(static_cast<DWORD>(made));
}

std::string Win32BookFiles::Replace(const std::string& path, std::string_view bytes) {
  const std::wstring target = WideFromUtf8(path);
  // A name no other save uses, even of a process whose id is reused at once.
  static LONG made = 0;
  const std::wstring beside = target + L".saving-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(GetTickCount64()) + L"-" +
                              std::to_wstring(InterlockedIncrement(&made));
  {
    UniqueFile file(CreateFileW(beside.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return LastReason();
    if (!WriteAll(file.get(), bytes) || !FlushFileBuffers(file.get())) {
      std::string why = LastReason();
      file.reset();
      DeleteFileW(beside.c_str());
      return why;
    }
  }
  if (!MoveFileExW(beside.c_str(), target.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    std::string why = LastReason();
    DeleteFileW(beside.c_str());
    return why;
  }
  return {};
}

std::string Win32BookFiles::MoveAside(const std::string& from, const std::string& to) {
  if (MoveFileExW(WideFromUtf8(from).c_str(), WideFromUtf8(to).c_str(), MOVEFILE_WRITE_THROUGH))
    return {};
  return LastReason();
}

book::BookFiles::Locked Win32BookFiles::Lock(const std::string& path) {
  UniqueFile file(CreateFileW(WideFromUtf8(path + ".lock").c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return {nullptr, LastReason()};
  const ULONGLONG since = GetTickCount64();
  for (;;) {
    OVERLAPPED whole{};
    if (LockFileEx(file.get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD,
                   MAXDWORD, &whole)) {
      return {std::make_unique<Win32FileLock>(std::move(file)), {}};
    }
    const DWORD error = GetLastError();
    if (error != ERROR_LOCK_VIOLATION && error != ERROR_IO_PENDING) return {nullptr, Reason(error)};
    if (GetTickCount64() - since >= static_cast<ULONGLONG>(book::kLockWait.count())) return {};
    Sleep(static_cast<DWORD>(book::kLockPoll.count()));
  }
}

std::string DefaultBookFolder() {
  auto* find = Shell().Get<decltype(SHGetKnownFolderPath)>("SHGetKnownFolderPath");
  auto* release = Ole32().Get<decltype(CoTaskMemFree)>("CoTaskMemFree");
  if (find == nullptr || release == nullptr) return {};
  wchar_t* roaming = nullptr;
  if (FAILED(find(FOLDERID_RoamingAppData, 0, nullptr, &roaming))) {
    release(roaming);
    return {};
  }
  std::wstring folder = std::wstring(roaming) + L"\\Tenvo\\PetCalc";
  release(roaming);
  return Utf8FromWide(folder);
}

}  // namespace petcalc::win32

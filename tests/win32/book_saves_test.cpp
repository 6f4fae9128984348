// petcalc.exe's saves under wine, in real processes: killed at any moment with TerminateProcess,
// they leave a book that reads and holds every record whose save had returned.
// Usage: win32_save_tests <book_saver.exe>
#include <gtest/gtest.h>
#include <windows.h>

#include <random>
#include <set>
#include <string>

#include "book/book_store.h"
#include "win32/wide_text.h"
#include "win32/win32_book_files.h"

namespace petcalc::win32 {
namespace {

std::wstring saver;  // the saver's path, from the command line

// The saver started on `folder` with `arguments`, its output into a pipe the test reads.
struct Saver {
  PROCESS_INFORMATION process{};
  HANDLE output = nullptr;
};

Saver Start(const std::wstring& folder, const std::wstring& arguments) {
  SECURITY_ATTRIBUTES inherited{sizeof(inherited), nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  EXPECT_TRUE(CreatePipe(&read, &write, &inherited, 1 << 20));
  SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = write;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  std::wstring line = L"\"" + saver + L"\" \"" + folder + L"\" " + arguments;
  Saver started;
  // Wine now and then fails to start a process at once; a second try starts it.
  bool made = false;
  DWORD error = 0;
  for (int attempt = 0; attempt < 3 && !made; ++attempt) {
    made = CreateProcessW(saver.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                          &startup, &started.process) != FALSE;
    if (!made) {
      error = GetLastError();
      Sleep(100);
    }
  }
  EXPECT_TRUE(made) << "the saver did not start: error " << error;
  CloseHandle(write);
  started.output = read;
  return started;
}

// Reads the saver's output until its first save has returned: wine takes longer to start a process
// than a save takes, and so long on a busy machine that kills timed from the start would mostly
// land before any save. From there the saver saves again and again, and a kill lands anywhere in a
// save.
std::string WaitForFirstSave(Saver& saver) {
  std::string read;
  char c = 0;
  DWORD got = 0;
  while (read.find("saved ") == std::string::npos && ReadFile(saver.output, &c, 1, &got, nullptr) &&
         got == 1) {
    read.push_back(c);
  }
  return read;
}

// The ids the saver said it saved, once it has ended.
void TakeSaved(Saver& saver, std::string output, std::set<std::string>& saved) {
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(saver.output, chunk, sizeof(chunk), &got, nullptr) && got > 0) {
    output.append(chunk, got);
  }
  for (std::size_t at = 0, end; (end = output.find('\n', at)) != std::string::npos; at = end + 1) {
    std::string line = output.substr(at, end - at);
    if (!line.empty() && line.back() == '\r') line.pop_back();  // the C runtime's text mode
    if (line.rfind("saved ", 0) == 0) saved.insert(line.substr(6));
  }
  CloseHandle(saver.output);
  CloseHandle(saver.process.hThread);
  CloseHandle(saver.process.hProcess);
}

TEST(Win32Saves, KilledAtAnyMomentLeaveABookHoldingEverySaveThatReturned) {
  constexpr int kKills = 500;
  wchar_t temporary[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH, temporary);
  const std::wstring folder =
      std::wstring(temporary) + L"petcalc-kills-" + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::string book = Utf8FromWide(folder) + "\\book.json";
  std::mt19937 random(std::random_device{}());
  // A save takes some tens of milliseconds under wine: a kill lands within the next few.
  std::uniform_int_distribution<DWORD> moment(0, 150);
  Win32BookFiles files;
  std::set<std::string> saved;
  int while_saving = 0;  // kills that found the saver still saving
  for (int kill = 0; kill < kKills; ++kill) {
    Saver running = Start(folder, L"add " + std::to_wstring(kill) + L" 1000");
    ASSERT_NE(running.process.hProcess, nullptr);
    std::string output = WaitForFirstSave(running);
    if (WaitForSingleObject(running.process.hProcess, moment(random)) == WAIT_TIMEOUT) {
      ++while_saving;
    }
    TerminateProcess(running.process.hProcess, 9);
    WaitForSingleObject(running.process.hProcess, INFINITE);
    TakeSaved(running, std::move(output), saved);

    const book::FileBytes disk = files.Read(book);
    ASSERT_EQ(disk.state, book::FileBytes::State::kRead) << disk.problem;
    const book::BookRead read = book::ReadBookFile(disk.bytes);
    ASSERT_EQ(read.problem, "") << "after kill " << kill;
    std::set<std::string> on_disk;
    for (const book::Entry& entry : read.entries) on_disk.insert(book::IdOf(entry));
    for (const std::string& id : saved) {
      ASSERT_TRUE(on_disk.count(id)) << id << " was saved, and is gone after kill " << kill << " ("
                                     << on_disk.size() << " on disk, " << saved.size() << " saved)";
    }
  }
  for (const wchar_t* name : {L"book.json", L"book.previous.json", L"book.json.lock"}) {
    DeleteFileW((folder + L"\\" + name).c_str());
  }
  RemoveDirectoryW(folder.c_str());  // not where a killed save left a file of its own
  std::printf("%zu saves returned across %d kills, %d of them mid-run\n", saved.size(), kKills,
              while_saving);
  EXPECT_GT(while_saving, kKills * 9 / 10) << "the saver ended before it was killed";
}

}  // namespace
}  // namespace petcalc::win32

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc < 2) return 2;
  const std::string path = argv[1];
  petcalc::win32::saver = petcalc::win32::WideFromUtf8(path);
  return RUN_ALL_TESTS();
}

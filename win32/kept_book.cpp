#include "win32/kept_book.h"

#include "book/time.h"
#include "win32/wide_text.h"

namespace petcalc::win32 {
namespace {

constexpr UINT kOpen = WM_APP + 1;
constexpr UINT kSave = WM_APP + 2;
constexpr UINT_PTR kWatch = 1;
constexpr UINT kWatchMilliseconds = 1000;
constexpr wchar_t kClassName[] = L"PetCalcKeptBook";

ATOM RegisterClassOnce(WNDPROC procedure) {
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.lpszClassName = kClassName;
  return RegisterClassW(&window_class);
}

}  // namespace

KeptBook::KeptBook(std::string folder) : keeper_(files_, std::move(folder)) {
  static const ATOM kRegistered = RegisterClassOnce(Procedure);
  if (kRegistered != 0) {
    messages_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  }
  if (messages_ != nullptr) {
    SetWindowLongPtrW(messages_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
}

KeptBook::~KeptBook() {
  SaveNow();
  if (messages_ != nullptr) DestroyWindow(messages_);
}

LRESULT CALLBACK KeptBook::Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* kept = reinterpret_cast<KeptBook*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (kept == nullptr) return DefWindowProcW(hwnd, message, wparam, lparam);
  switch (message) {
    case kOpen:
      kept->Open();
      return 0;
    case kSave:
      kept->SaveNow();
      return 0;
    case WM_TIMER:
      if (wparam == kWatch) kept->TakeOtherCopysSave();
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wparam, lparam);
  }
}

void KeptBook::OpenSoon() {
  if (messages_ != nullptr) PostMessageW(messages_, kOpen, 0, 0);
}

void KeptBook::Open() {
  if (keeper_.opened()) return;
  keeper_.Open();
  written_ = WrittenAt();
  if (messages_ != nullptr) SetTimer(messages_, kWatch, kWatchMilliseconds, nullptr);
  Tell({});
  if (on_records) on_records();
}

void KeptBook::Finished(const FinishedClick& click) noexcept {
  Open();
  Changed(keeper_.Keep(click, book::Now()));
}

void KeptBook::SetKeeping(bool keeping) {
  const std::string failed = keeper_.SetKeeping(keeping);
  if (!failed.empty() && on_problem) on_problem(failed);
}

void KeptBook::Restore() {
  keeper_.Restore(book::Now());
  Tell({});
  if (on_records) on_records();
}

void KeptBook::StartNew() {
  keeper_.StartNew(book::Now());
  Tell({});
  if (on_records) on_records();
}

void KeptBook::Changed(const book::Changes& ids) {
  if (ids.empty()) return;
  if (on_records) on_records();
  if (save_waiting_) return;
  save_waiting_ = true;
  if (messages_ == nullptr || !PostMessageW(messages_, kSave, 0, 0)) SaveNow();
}

bool KeptBook::SaveNow() {
  if (!save_waiting_) return keeper_.problem().empty();
  save_waiting_ = false;
  Tell(keeper_.Save());
  written_ = WrittenAt();
  return keeper_.problem().empty();
}

FILETIME KeptBook::WrittenAt() const {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(WideFromUtf8(store().path()).c_str(), GetFileExInfoStandard, &data))
    return {};
  return data.ftLastWriteTime;
}

void KeptBook::TakeOtherCopysSave() {
  if (save_waiting_) return;  // the save to come takes it in
  const FILETIME now = WrittenAt();
  if (CompareFileTime(&now, &written_) == 0) return;
  written_ = now;
  Tell(keeper_.Reload());
}

void KeptBook::Tell(const book::BookStore::Saved& saved) {
  if (!saved.from_disk.empty() && on_records) on_records();
  if (keeper_.problem() == told_) return;
  told_ = keeper_.problem();
  if (on_problem) on_problem(told_);
}

}  // namespace petcalc::win32

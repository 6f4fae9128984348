#include "tests/win32/fixture.h"

#include <oleacc.h>
#include <windowsx.h>

#include "runtime/utf8.h"
#include "win32/handles.h"
#include "win32/wide_text.h"

namespace petcalc::win32::testing {
namespace {

constexpr UINT kTickMilliseconds = 20;
constexpr int kWatchdogTicks = 250;  // five seconds

DialogAnswerer* active_answerer = nullptr;

// The enabled dialog of this thread that is on top: the modal one.
HWND ModalDialog() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM result) -> BOOL {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (std::wstring_view(name) == L"#32770" && IsWindowVisible(window) &&
            IsWindowEnabled(window)) {
          *reinterpret_cast<HWND*>(result) = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace

// The timer ticks only inside a message loop, by when the answerer is active.
DialogAnswerer::DialogAnswerer() : timer_(SetTimer(nullptr, 0, kTickMilliseconds, Tick)) {
  active_answerer = this;
}

DialogAnswerer::~DialogAnswerer() {
  KillTimer(nullptr, timer_);
  active_answerer = nullptr;
  EXPECT_TRUE(handlers_.empty()) << handlers_.size() << " expected dialog(s) never appeared";
}

void CALLBACK DialogAnswerer::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (active_answerer != nullptr) active_answerer->Poll();
}

void DialogAnswerer::Poll() {
  HWND dialog = ModalDialog();
  if (dialog == nullptr) {
    idle_ticks_ = 0;
    return;
  }
  if (!handlers_.empty()) {
    Handler handler = std::move(handlers_.front());
    handlers_.pop_front();
    handler(dialog);
    return;
  }
  if (++idle_ticks_ >= kWatchdogTicks) {
    ADD_FAILURE() << "unexpected dialog: " << Utf8(ChildTexts(dialog, L"Static"));
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    idle_ticks_ = 0;
  }
}

TemporaryFolder::TemporaryFolder() {
  wchar_t temporary[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH, temporary);
  static int made = 0;
  path_ = std::wstring(temporary) + L"petcalc-test-" + std::to_wstring(GetCurrentProcessId()) +
          L"-" + std::to_wstring(++made);
  CreateDirectoryW(path_.c_str(), nullptr);
}

TemporaryFolder::~TemporaryFolder() {
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        DeleteFileW((path_ + L"\\" + found.cFileName).c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(path_.c_str());
}

std::string TemporaryFolder::utf8() const { return Utf8FromWide(path_); }

Form1Test::Form1Test(const std::string& book_file)
    : book_(std::make_unique<KeptBook>(folder_.utf8())),
      window_(std::make_unique<Form1Window>(GetModuleHandleW(nullptr), book_.get())),
      opener_(std::make_unique<BookWindowOpener>(GetModuleHandleW(nullptr), *book_, *window_)) {
  if (!book_file.empty()) {
    Win32BookFiles files;
    EXPECT_EQ(files.Replace(folder_.utf8() + "\\book.json", book_file), "");
  }
  ShowWindow(window_->hwnd(), SW_SHOWNORMAL);
  UpdateWindow(window_->hwnd());
  book_->OpenSoon();
  Pump();
}

Form1Test::~Form1Test() {
  opener_.reset();
  window_.reset();
  book_.reset();
  // The window ended its thread's loop as it closed; later windows run on.
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
  }
}

std::wstring Form1Test::Text(form::TextBox box) const { return WindowText(Control(box)); }

void Form1Test::Type(form::TextBox box, std::u16string_view text) {
  Put(box, u"");
  HWND edit = Control(box);
  SetFocus(edit);
  for (const char16_t c : text) SendMessageW(edit, WM_CHAR, c, 1);
}

void Form1Test::Put(form::TextBox box, std::u16string_view text) {
  SendMessageW(Control(box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(ToWide(text).c_str()));
}

void Form1Test::Click(form::Control control) {
  SendMessageW(Control(control), BM_CLICK, 0, 0);
  Pump();
}

void Form1Test::Press(HWND control, const KeyPress& press) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = press.ctrl ? 0x80 : 0;
  keys[VK_SHIFT] = press.shift ? 0x80 : 0;
  keys[VK_MENU] = press.alt ? 0x80 : 0;
  SetKeyboardState(keys);
  const LPARAM extended = press.extended ? LPARAM{1} << 24 : 0;
  PostMessageW(control, WM_KEYDOWN, press.key, (press.repeat ? 0x40000001 : 1) | extended);
  if (press.typed != 0) PostMessageW(control, WM_CHAR, press.typed, 1);
  PostMessageW(control, WM_KEYUP, press.key, 0xC0000001 | extended);
  Pump();
  keys[VK_CONTROL] = 0;
  keys[VK_SHIFT] = 0;
  keys[VK_MENU] = 0;
  SetKeyboardState(keys);
}

void Form1Test::Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;
    if (opener_->PreTranslateMessage(message)) continue;
    if (window_->PreTranslateMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

namespace {

ComPtr<IAccessible> ClientObject(HWND window) {
  ComPtr<IAccessible> object;
  AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                             object.put_void());
  return object;
}

VARIANT Self() {
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  return self;
}

}  // namespace

std::wstring AccessibleName(HWND window) {
  const ComPtr<IAccessible> object = ClientObject(window);
  if (object.get() == nullptr) return L"(no accessible object)";
  BSTR name = nullptr;
  std::wstring text = SUCCEEDED(object->get_accName(Self(), &name)) && name != nullptr
                          ? std::wstring(name, SysStringLen(name))
                          : L"(no name)";
  SysFreeString(name);
  return text;
}

long AccessibleRole(HWND window) {
  const ComPtr<IAccessible> object = ClientObject(window);
  if (object.get() == nullptr) return -1;
  VARIANT role{};
  return SUCCEEDED(object->get_accRole(Self(), &role)) && role.vt == VT_I4 ? role.lVal : -1;
}

std::string Utf8(std::wstring_view text) { return petcalc::ToUtf8(FromWide(text)); }

std::wstring ChildTexts(HWND dialog, const wchar_t* class_name) {
  std::wstring texts;
  bool first = true;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[32] = {};
    GetClassNameW(child, name, 32);
    if (CompareStringOrdinal(name, -1, class_name, -1, TRUE) != CSTR_EQUAL) continue;
    if (!first) texts += L'|';
    first = false;
    texts += WindowText(child);
  }
  return texts;
}

void PressButton(HWND dialog, std::wstring_view caption) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t text[64] = {};
    GetWindowTextW(child, text, 64);
    if (caption == text) {
      SendMessageW(child, BM_CLICK, 0, 0);
      return;
    }
  }
  ADD_FAILURE() << "no button of that caption";
}

}  // namespace petcalc::win32::testing

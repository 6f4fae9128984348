#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "form/controls.h"
#include "win32/book_window.h"
#include "win32/form1_window.h"
#include "win32/kept_book.h"

namespace petcalc::win32::testing {

// Answers the real modal dialogs a test opens, from a thread timer that ticks inside their
// modal loops: each handler in turn receives the next dialog that appears and must close it. A
// dialog nobody expects fails the test and is cancelled after five seconds; an expected one
// that never comes fails it too.
class DialogAnswerer {
 public:
  using Handler = std::function<void(HWND dialog)>;

  DialogAnswerer();
  ~DialogAnswerer();
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;

  void Expect(Handler handler) { handlers_.push_back(std::move(handler)); }
  bool AllAnswered() const { return handlers_.empty(); }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  void Poll();

  UINT_PTR timer_ = 0;
  std::deque<Handler> handlers_;
  int idle_ticks_ = 0;
};

// A key pressed and released as the keyboard presses it: with the modifier keys held, as a
// repeat of a key already down, as the keypad's (extended) key, and with the character it types
// where the keyboard's layout gives it one.
struct KeyPress {
  WORD key;
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
  bool repeat = false;
  bool extended = false;
  wchar_t typed = 0;
};

// The child of the window drawn for a control.
inline HWND ControlWindow(HWND window, form::Control control) {
  return GetDlgItem(window, ControlId(control));
}

// A folder of the test's own under the temporary folder, deleted with what it holds.
class TemporaryFolder {
 public:
  TemporaryFolder();
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const std::wstring& path() const { return path_; }
  std::string utf8() const;

 private:
  std::wstring path_;
};

// The real window, shown, its clicks kept in a book in a folder of the test's own (written there
// as the program writes it, if `book_file` is given), its book window opened as the program opens
// it; with helpers that act as a user would through its messages.
class Form1Test : public ::testing::Test {
 protected:
  explicit Form1Test(const std::string& book_file = {});
  ~Form1Test() override;

  Form1Window& window() { return *window_; }
  KeptBook& book() { return *book_; }
  BookWindowOpener& opener() { return *opener_; }
  const TemporaryFolder& folder() const { return folder_; }
  HWND Control(form::Control control) const { return ControlWindow(window_->hwnd(), control); }
  std::wstring Text(form::TextBox box) const;
  // Replaces a box's text character by character, as typing does.
  void Type(form::TextBox box, std::u16string_view text);
  // Replaces a box's text at once, as a paste does.
  void Put(form::TextBox box, std::u16string_view text);
  void Click(form::Control control);
  // Posts a key press (and release) to a control and runs the window's messages as its own
  // loop would.
  void Press(HWND control, const KeyPress& press);
  void Pump();

  DialogAnswerer answerer_;

 private:
  TemporaryFolder folder_;
  std::unique_ptr<KeptBook> book_;
  std::unique_ptr<Form1Window> window_;
  std::unique_ptr<BookWindowOpener> opener_;
};

// What a screen reader reads of a window: the name and the role of its client object.
std::wstring AccessibleName(HWND window);
long AccessibleRole(HWND window);
// A window's text as UTF-8, for comparisons that print readably when they fail.
std::string Utf8(std::wstring_view text);
// The texts of a dialog's children of one class, in their order.
std::wstring ChildTexts(HWND dialog, const wchar_t* class_name);
// Presses the dialog's button of that caption.
void PressButton(HWND dialog, std::wstring_view caption);

}  // namespace petcalc::win32::testing

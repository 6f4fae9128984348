#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "calc/calculator.h"
#include "calc/pet_results.h"
#include "form/controls.h"
#include "win32/fonts.h"
#include "win32/handles.h"

namespace petcalc::win32 {

class Win32Runtime;

// The program's one window, drawn with plain Windows controls from the form's control table:
// STATIC labels, EDIT boxes, BUTTON push buttons and an owner-drawn STATIC picture, at their
// twips rectangles scaled by the window's DPI, and scaled again when the window moves to a
// screen of another density. Every box, button and the picture carries its accessible name.
// Its Calculator holds the window's StatSheet for as long as the window lives; "计 算" and
// "预 测" run their clicks through it. Nothing is laid out again on resize.
class Form1Window {
 public:
  // Creates the window, hidden, at the window system's default position; each finished click is
  // told to `observer`, where there is one, which outlives the window.
  explicit Form1Window(HINSTANCE instance, ClickObserver* observer = nullptr);
  ~Form1Window();
  Form1Window(const Form1Window&) = delete;
  Form1Window& operator=(const Form1Window&) = delete;

  HWND hwnd() const { return hwnd_; }

  // Gives the window's keys their meaning before a message is dispatched: Enter or Return on a
  // focused button presses it once however long it is held, Enter in a box does nothing, Ctrl+A
  // (not Ctrl+Alt+A) selects a box's whole text, and Tab and Shift+Tab move through the tab
  // order (IsDialogMessage). True when the message has been handled and must not be dispatched.
  // F2 anywhere in the window asks for the book (book_wanted), as its context menu outside the
  // boxes and its system menu do.
  bool PreTranslateMessage(MSG& message);
  std::function<void()> book_wanted;

  // What the window holds: every box's text and the sheet, for an undo of a put-back.
  struct Held {
    std::vector<std::wstring> texts;
    std::u16string sheet;
  };
  Held held() const;
  void Restore(const Held& held);
  // Whether a click is running, its prompt or message open.
  bool clicking() const { return clicking_; }
  // `stats` typed into the twelve boxes and `target_level` into its own, then "计 算" clicked,
  // and "预 测" after it where there is a target level: the window shows what a record says.
  void PutBack(const PetStats& stats, std::optional<std::int32_t> target_level);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  void OnCreate();
  void OnCommand(HWND sender, UINT code);
  LRESULT OnCtlColorStatic(HDC dc, HWND control);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  bool OnGetDpiScaledSize(int dpi, SIZE& size) const;
  void OnDpiChanged(int dpi, const RECT& suggested);
  void OnActivate(UINT state);
  void OnSetFocus();
  void OnContextMenu(HWND target, POINT at);
  void WantBook();

  void CreateControl(form::Control control);
  RECT PlaceOf(const form::ControlRow& row) const;
  void LayOut();
  void SizeClientArea();
  // The control a child window draws, if it is one of this window's.
  std::optional<form::Control> ControlOf(HWND window) const;
  bool IsKind(HWND window, form::ControlKind kind) const;
  std::vector<HWND> Boxes() const;

  HINSTANCE instance_;
  HWND hwnd_ = nullptr;
  int dpi_ = form::kStandardDpi;
  form::PerControl<HWND> controls_;
  std::unique_ptr<FormFonts> fonts_;
  UniqueBitmap logo_;
  std::unique_ptr<Win32Runtime> runtime_;
  std::optional<Calculator> calculator_;  // made with the runtime, once the controls are
  HWND focus_ = nullptr;                  // given back when the window is activated again
  ClickObserver* observer_;
  bool clicking_ = false;
};

// The id of the child window drawn for a control (GetDlgItem finds it by it): its table row after
// the first id, clear of IDOK and IDCANCEL, which the dialog keys send.
int ControlId(form::Control control);

// Runs the thread's messages through the window until the window is closed, each first offered
// to `other` (the book's window), where given; gives the exit code.
int RunMessageLoop(Form1Window& window, const std::function<bool(MSG&)>& other = {});

}  // namespace petcalc::win32

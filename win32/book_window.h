#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "book/book_columns.h"
#include "win32/form1_window.h"
#include "win32/handles.h"
#include "win32/kept_book.h"

namespace petcalc::win32 {

// The book's own window, 宠物记录, beside the main window: the records in a virtual list view
// (LVS_OWNERDATA: it asks for the rows it shows, so a book of any size costs nothing to show)
// sorted by any column and filtered by name or note; the selected record's name, note and
// actions; its pet's timeline and chart; comparing, exporting, importing and clearing. What it
// does to the main window (putting a record back) goes through the window's own clicks, never
// while one runs.
class BookWindow {
 public:
  BookWindow(HINSTANCE instance, KeptBook& kept, Form1Window& window);
  ~BookWindow();
  BookWindow(const BookWindow&) = delete;
  BookWindow& operator=(const BookWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  HWND list() const { return list_; }
  // Shown, brought to the front, its list given the focus.
  void Present();
  // The book's file has a new problem, or none.
  void ProblemChanged() { ShowProblem(); }
  // The window's keys (Tab through its controls, Ctrl+Z, F2) before a message is dispatched;
  // true when handled.
  bool PreTranslateMessage(MSG& message);

  // For the tests: the records in the list's order, and what the window said last.
  const std::vector<const book::Record*>& shown() const { return shown_; }
  const std::wstring& said() const { return said_; }
  // The list sorted by `column`, as a click on its heading sorts it.
  void SortBy(book::Column column, bool ascending);
  // What the window's buttons do, by the caption they carry.
  void Press(std::string_view caption);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  void OnCreate();
  void MakeFonts();
  void LayOut();
  LRESULT OnNotify(const NMHDR& header);
  void OnCommand(int id, UINT code);

  void Refresh();
  void ShowCurrent();
  void ShowProblem();
  std::vector<const book::Record*> Selected() const;
  const book::Record* Current() const;

  void Changed(const book::Changes& ids);
  void Say(const std::wstring& text);
  void OfferUndo(const std::wstring& what, std::function<void()> undo);
  void TakeBack();

  void PutBack();
  void CopyText();
  void TogglePin();
  void RemoveSelected();
  void Split();
  void Join();
  void Compare();
  void ClearAll();
  void ExportBook();
  void ImportBook();
  void KeepName();
  void KeepNote();

  KeptBook& kept_;
  Form1Window& window_;
  HWND hwnd_ = nullptr;
  int dpi_ = 96;
  UniqueFont font_;
  UniqueFont bold_;

  HWND problem_ = nullptr, restore_ = nullptr, start_new_ = nullptr;
  HWND keeping_ = nullptr, filter_label_ = nullptr, filter_ = nullptr;
  std::vector<HWND> bar_;  // 比较 导出 导入 清空 撤销
  HWND list_ = nullptr, empty_ = nullptr;
  HWND heading_ = nullptr, name_label_ = nullptr, name_ = nullptr, note_label_ = nullptr,
       note_ = nullptr;
  std::vector<HWND> actions_;  // 放回窗口 … 并入勾选的宠物
  HWND timeline_caption_ = nullptr, timeline_ = nullptr, chart_ = nullptr, status_ = nullptr;

  book::Column sort_column_ = book::Column::kChanged;
  bool ascending_ = false;
  std::vector<const book::Record*> shown_;
  std::vector<const book::Record*> pet_;  // the timeline's records
  std::string shown_id_;
  std::wstring cell_;  // the text a list view asked for, alive until it asks again
  std::function<void()> undo_;
  std::wstring said_;
};

// The book window of the main window, made when first wanted (the start-up draws the main window
// alone): by F2, the context menu or the system menu; or by a problem with the book's file, which
// it then shows without taking the focus from the main window.
class BookWindowOpener {
 public:
  BookWindowOpener(HINSTANCE instance, KeptBook& kept, Form1Window& window);
  bool PreTranslateMessage(MSG& message);
  BookWindow* book() const { return book_.get(); }

 private:
  BookWindow& Made();

  HINSTANCE instance_;
  KeptBook& kept_;
  Form1Window& window_;
  std::unique_ptr<BookWindow> book_;
};

}  // namespace petcalc::win32

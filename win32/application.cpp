#include "win32/application.h"

#include <exception>

#include "win32/book_window.h"
#include "win32/com_apartment.h"
#include "win32/form1_window.h"
#include "win32/kept_book.h"

namespace petcalc::win32 {

// The manifest's common controls 6 come with the first control made; nothing starts them before.
int RunApplication(HINSTANCE instance, int show) {
  int status = 1;
  try {
    KeptBook book;
    Form1Window window(instance, &book);
    BookWindowOpener book_window(instance, book, window);
    ShowWindow(window.hwnd(), show);
    UpdateWindow(window.hwnd());
    // Read when the loop turns, after the first paint, which UpdateWindow has made.
    book.OpenSoon();
    // Started once the window is on the screen, before any message can ask for it.
    const ComApartment com;
    status = RunMessageLoop(window,
                            [&](MSG& message) { return book_window.PreTranslateMessage(message); });
  } catch (const std::exception&) {  // the window could not be made: nothing to show it in
  }
  return status;
}

}  // namespace petcalc::win32

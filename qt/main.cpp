#include <QApplication>

#include "qt/application.h"
#include "qt/book_window.h"
#include "qt/display.h"
#include "qt/form1.h"
#include "qt/kept_book.h"

int main(int argc, char* argv[]) {
  if (!petcalc::qt::HasDisplay()) return petcalc::qt::ExplainNoDisplay();
  QApplication app(argc, argv);
  petcalc::qt::SetUpApplication();
  petcalc::qt::KeptBook book;
  petcalc::qt::Form1 window(nullptr, &book);
  book.openAfterFirstPaint(&window);
  petcalc::qt::BookWindowOpener book_window(book, window);
  window.show();
  return QApplication::exec();
}

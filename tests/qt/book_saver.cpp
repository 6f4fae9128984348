// The Qt program's save path, driven by its arguments (tests/book/book_saver.h).
#include "tests/book/book_saver.h"

#include "qt/qt_book_files.h"

int main(int argc, char** argv) {
  petcalc::qt::QtBookFiles files;
  return petcalc::book::testing::RunSaver(files, argc, argv);
}

// petcalc.exe's save path, driven by its arguments (tests/book/book_saver.h).
#include "tests/book/book_saver.h"

#include "win32/win32_book_files.h"

int main(int argc, char** argv) {
  petcalc::win32::Win32BookFiles files;
  return petcalc::book::testing::RunSaver(files, argc, argv);
}

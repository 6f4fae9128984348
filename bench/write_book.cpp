// Writes a book of <count> records, as bench/made_book.h makes them, to <path>: the book in place
// for the start-up's runs. Usage: write_book <count> <path>
#include <cstdio>
#include <fstream>
#include <string>

#include "bench/made_book.h"
#include "book/book_json.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  std::ofstream file(argv[2], std::ios::binary);
  file << petcalc::book::BookJson(petcalc::book::MadeBook(std::stoll(argv[1])));
  return file.good() ? 0 : 1;
}

#include "tests/book/book_saver.h"

#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <thread>

#include "book/book.h"
#include "book/book_store.h"
#include "form/stats.h"

namespace petcalc::book::testing {
namespace {

// The records of one tag: each with stats no other tag's record has.
PetStats StatsOf(int tag, int index) {
  PetStats stats = {1, 50, 20, 30, 10, 10, 2, 60, 30, 40, 20, 20};
  stats[form::kStatCount + form::kLevel] = 2 + index;
  stats[form::kStatCount + form::kStamina] = 100 + tag;
  return stats;
}

bool Saved(BookStore& store, Book& book, const std::string& id) {
  const std::string problem = store.Save(book).problem;
  if (!problem.empty()) {
    std::cerr << problem << '\n';
    return false;
  }
  std::printf("saved %s\n", id.c_str());
  std::fflush(stdout);
  return true;
}

}  // namespace

int RunSaver(BookFiles& files, int argc, char** argv) {
  if (argc < 2) return 2;
  BookStore store(files, argv[1]);
  Book book;
  if (!store.Open(book)) {
    std::cerr << store.problem() << '\n';
    return 1;
  }
  std::printf("ready\n");
  std::fflush(stdout);
  std::chrono::milliseconds pause{0};
  for (int at = 2; at < argc;) {
    const std::string command = argv[at++];
    if (command == "add" && at + 1 < argc) {
      const int tag = std::stoi(argv[at++]);
      const int count = std::stoi(argv[at++]);
      for (int i = 0; i < count; ++i) {
        if (i > 0) std::this_thread::sleep_for(pause);
        const Kept kept = book.KeepGrowth(StatsOf(tag, i), Now());
        if (!Saved(store, book, kept.id)) return 1;
      }
    } else if (command == "pace" && at < argc) {
      pause = std::chrono::milliseconds(std::stoi(argv[at++]));
    } else if (command == "wait") {
      std::string line;
      std::getline(std::cin, line);
      store.Reload(book);
    } else if (command == "delete" && at < argc) {
      const std::string id = argv[at++];
      book.Delete({id}, Now());
      if (!Saved(store, book, id)) return 1;
    } else {
      return 2;
    }
  }
  return 0;
}

}  // namespace petcalc::book::testing

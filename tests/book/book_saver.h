#pragma once

#include "book/book_files.h"

namespace petcalc::book::testing {

// A copy of a desktop program's save path, driven by its arguments, for the tests that kill it
// or run two at once:
//   book_saver <folder> add <tag> <count>   keeps <count> records of its own, saving each
//                       pace <ms>            pauses so long between the saves of each add after
//                                            it, as a player's clicks come: a copy saving back to
//                                            back would hold the lock at almost every moment
//                       wait                 reads a line from its input first
//                       delete <id>          deletes a record and saves
// It writes "ready" once the book is read; after each save that returned with the book on disk it
// writes "saved <id>" and flushes. Gives the process's exit code: 1 when a save failed (said on the
// error stream), 2 for wrong arguments.
int RunSaver(BookFiles& files, int argc, char** argv);

}  // namespace petcalc::book::testing

#pragma once

#include "book/record.h"

namespace petcalc::book {

// Which of two versions of one id every copy of the book keeps, whatever order the copies meet
// in: a total order, so that merging is the same from every side.
// - A deletion beats every version of the record made without seeing it: a record's versions
//   count from the last deletion they outlived (`revived`, or none), a deletion from its time,
//   and the later wins.
// - A record brought back from a deletion outlives that deletion: at the same time, the record
//   wins over the mark.
// - Between two versions of a record of the same life, the later change wins; at the same time,
//   the greater by content, so that the choice is the same everywhere.
// Gives true when `incoming` wins over `kept`.
bool Wins(const Entry& incoming, const Entry& kept);

}  // namespace petcalc::book

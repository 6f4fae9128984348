#pragma once

#include <cstdint>
#include <string>

#include "book/book.h"

namespace petcalc::book {

// A book of `count` records of a tenth as many pets, named and noted as a player would, as a
// copy of it elsewhere would hand them over.
inline Book MadeBook(std::int64_t count) {
  Book book;
  for (std::int64_t i = 0; i < count; ++i) {
    Record record;
    record.id = "r" + std::to_string(i);
    record.pet = "p" + std::to_string(i / 10);
    record.name = "小白" + std::to_string(i % 50);
    if (i % 7 == 0) record.note = "第二次升级后重新测过";
    record.made = record.changed = Time::FromMilliseconds(1796688000000 + i);
    record.stats = {1, 50, 20, 30, 10, 10, 11, 75, 50, 60, 30, 30};
    record.stats[1] += static_cast<std::int32_t>(i);
    record.stats[7] += static_cast<std::int32_t>(i % 977);
    if (i % 3 == 0) record.target_level = 30;
    book.Absorb(record);
  }
  return book;
}

}  // namespace petcalc::book

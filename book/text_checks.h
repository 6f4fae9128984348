#pragma once

#include <string>
#include <string_view>

#include "book/record.h"

namespace petcalc::book {

// What every reader checks of a record beyond the types of its fields, each giving the reason in
// Chinese, or nothing when all is well.

enum class TextKind {
  kName,  // one line: no control character; at most kMaxNameLength characters
  kNote,  // lines and tabs allowed, no other control character; at most kMaxNoteLength characters
};

// Well-formed UTF-8 without lone surrogates, within its kind's length and characters.
std::string CheckText(std::string_view text, TextKind kind);

// `text` made what CheckText takes: the control characters its kind does not allow taken out (a
// note's CR LF a line feed), cut to its kind's length. `text` is well-formed UTF-8.
std::string CleanText(std::string_view text, TextKind kind);

// Fills the record's results from its stats (Compute), or says why it cannot: the stats give no
// growth, or the target level no prediction.
std::string Computable(Record& record);

}  // namespace petcalc::book

#pragma once

#include <string_view>

namespace petcalc::book::testing {

// A book file's entries, every line after its header: what a book carries from one program to
// another, record for record with their ids, whichever program (and version) wrote the header.
inline std::string_view EntriesOf(std::string_view file) {
  const std::size_t header_end = file.find('\n');
  return header_end == std::string_view::npos ? std::string_view() : file.substr(header_end + 1);
}

}  // namespace petcalc::book::testing

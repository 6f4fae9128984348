#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "book/time.h"
#include "calc/pet_results.h"

namespace petcalc::book {

// One pet as a player weighed it: its key, the twelve stats a click gathered, what the window
// showed for them (always computed from the stats, never taken from a box or a file), and what
// the player wrote of it. Texts are UTF-8.
struct Record {
  std::string id;   // its key, in every copy of the book
  std::string pet;  // the pet it belongs to: its records over time share this id
  std::string name;
  std::string note;
  bool pinned = false;
  Time made;
  Time changed;
  // When the record was brought back after its deletion at this time: it then outlives that
  // deletion in every copy (an undo, or an import that brings it back).
  std::optional<Time> revived;

  PetStats stats{};
  std::optional<std::int32_t> target_level;

  // Computed by Compute from the stats and the target level.
  Growth growth{};
  Prediction prediction{};
};

// A record deleted, kept so that every copy of the book deletes it too.
struct Tombstone {
  std::string id;
  Time deleted;
};

// What the book holds under an id: a record, or the mark of its deletion.
using Entry = std::variant<Record, Tombstone>;

const std::string& IdOf(const Entry& entry);

// Fills the record's growth and prediction from its stats and target level; false where the
// stats give no growth (equal levels, or an overflow) or the target level no prediction.
bool Compute(Record& record);

// The limits of what a record holds, for every reader and every front end's fields.
inline constexpr std::size_t kMaxIdLength = 64;
inline constexpr std::size_t kMaxNameLength = 40;    // characters
inline constexpr std::size_t kMaxNoteLength = 1000;  // characters

// An id as the book writes and reads them: 1 to kMaxIdLength ASCII letters, digits, '-' or '_'.
bool IsValidId(std::string_view id);

// A new id: 32 lower-case hexadecimal digits, 128 bits from the platform's random source.
std::string NewRandomId();

}  // namespace petcalc::book

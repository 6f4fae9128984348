#include "book/merge.h"

#include <optional>
#include <tuple>

namespace petcalc::book {
namespace {

// The last deletion a version has outlived or is: none for a record never brought back.
std::optional<Time> Life(const Entry& entry) {
  if (const auto* tombstone = std::get_if<Tombstone>(&entry)) return tombstone->deleted;
  return std::get<Record>(entry).revived;
}

auto Content(const Record& record) {
  return std::tie(record.changed, record.name, record.note, record.pinned, record.pet,
                  record.target_level, record.stats, record.made);
}

}  // namespace

bool Wins(const Entry& incoming, const Entry& kept) {
  const std::optional<Time> incoming_life = Life(incoming);
  const std::optional<Time> kept_life = Life(kept);
  if (incoming_life != kept_life) return incoming_life > kept_life;
  const auto* incoming_record = std::get_if<Record>(&incoming);
  const auto* kept_record = std::get_if<Record>(&kept);
  if (incoming_record == nullptr || kept_record == nullptr) {
    return incoming_record != nullptr && kept_record == nullptr;
  }
  return Content(*incoming_record) > Content(*kept_record);
}

}  // namespace petcalc::book

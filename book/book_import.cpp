#include "book/book_import.h"

#include <algorithm>
#include <map>

#include "book/merge.h"

namespace petcalc::book {
namespace {

// A spreadsheet's row without an id or a pet given them, as a click's record would be.
// Gives false for a row the book holds already.
bool GiveIds(Book& book, Record& record, std::map<PetStats, std::string>& pets_made) {
  if (record.id.empty()) {
    if (book.NewestWithStats(record.stats) != nullptr) return false;
    record.id = book.NewId();
  }
  if (record.pet.empty()) {
    const PetStats initial = InitialStatsOf(record.stats);
    if (const Record* sibling = book.NewestWithInitialStats(record.stats)) {
      record.pet = sibling->pet;
    } else if (const auto made = pets_made.find(initial); made != pets_made.end()) {
      record.pet = made->second;
    } else {
      record.pet = pets_made[initial] = book.NewId();
    }
  }
  return true;
}

}  // namespace

ImportPreview PreviewImport(Book& book, BookFile file) {
  ImportPreview preview;
  preview.problems = std::move(file.problems);
  std::map<PetStats, std::string> pets_made;
  for (Record& record : file.records) {
    if (!GiveIds(book, record, pets_made)) {
      ++preview.already_there;
      continue;
    }
    const std::optional<Entry> kept = book.EntryOf(record.id);
    const Entry incoming(record);
    if (!kept) {
      ++preview.new_records;
    } else if (Wins(incoming, *kept)) {
      ++preview.changed;
    } else if (std::holds_alternative<Record>(*kept)) {
      ++preview.already_there;
    } else {
      preview.deleted_here.push_back(preview.entries.size());
    }
    preview.entries.push_back(incoming);
  }
  for (Tombstone& tombstone : file.deleted) {
    const std::optional<Entry> kept = book.EntryOf(tombstone.id);
    const Entry incoming(tombstone);
    if (kept && std::holds_alternative<Record>(*kept) && Wins(incoming, *kept)) ++preview.deleted;
    preview.entries.push_back(incoming);
  }
  return preview;
}

Changes ApplyImport(Book& book, const ImportPreview& preview,
                    const std::vector<std::string>& bring_back) {
  Changes changes;
  for (const Entry& entry : preview.entries) {
    Entry incoming = entry;
    if (auto* record = std::get_if<Record>(&incoming)) {
      const Tombstone* mark = book.FindDeleted(record->id);
      const bool brought = mark != nullptr && std::find(bring_back.begin(), bring_back.end(),
                                                        record->id) != bring_back.end();
      if (brought) record->revived = mark->deleted;
    }
    const std::string id = IdOf(incoming);
    if (book.Absorb(std::move(incoming))) changes.push_back(id);
  }
  return changes;
}

}  // namespace petcalc::book

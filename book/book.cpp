#include "book/book.h"

#include <algorithm>
#include <utility>

#include "book/merge.h"
#include "book/text_checks.h"

namespace petcalc::book {
namespace {

// Newer first: the later made, then the greater id.
bool Newer(const Record& a, const Record& b) {
  return std::tie(a.made, a.id) > std::tie(b.made, b.id);
}

// The orders the book lists records in, of one type, so that one sort serves both.
bool MadeFirst(const Record* a, const Record* b) {
  return std::tie(a->made, a->id) < std::tie(b->made, b->id);
}

bool LowerLevelFirst(const Record* a, const Record* b) {
  const std::int32_t level_a = a->stats[form::kStatCount + form::kLevel];
  const std::int32_t level_b = b->stats[form::kStatCount + form::kLevel];
  return std::tie(level_a, a->made, a->id) < std::tie(level_b, b->made, b->id);
}

// FNV-1a over the first `count` stats.
std::uint64_t HashOf(const PetStats& stats, std::size_t count) {
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  for (std::size_t i = 0; i < count; ++i) {
    hash = (hash ^ static_cast<std::uint32_t>(stats[i])) * 0x100000001b3ULL;
  }
  return hash;
}

void Unindex(std::unordered_multimap<std::uint64_t, const Record*>& index, std::uint64_t hash,
             const Record* record) {
  auto [first, last] = index.equal_range(hash);
  for (; first != last; ++first) {
    if (first->second == record) {
      index.erase(first);
      return;
    }
  }
}

// A record into the book's two stats indexes, and out of them.
template <typename Indexes>
void AddTo(Indexes& indexes, const Record* record) {
  indexes.by_stats.emplace(HashOf(record->stats, form::kStatBoxCount), record);
  indexes.by_initial.emplace(HashOf(record->stats, form::kStatCount), record);
}

template <typename Indexes>
void RemoveFrom(Indexes& indexes, const Record* record) {
  Unindex(indexes.by_stats, HashOf(record->stats, form::kStatBoxCount), record);
  Unindex(indexes.by_initial, HashOf(record->stats, form::kStatCount), record);
}

}  // namespace

Book::Book(IdSource new_id) : new_id_(std::move(new_id)) {}

void Book::Reserve(std::size_t count) { records_.reserve(count); }

const Book::StatsIndexes& Book::Indexes() const {
  if (!indexes_) {
    indexes_.emplace();
    indexes_->by_stats.reserve(records_.size());
    indexes_->by_initial.reserve(records_.size());
    for (const auto& [id, record] : records_) AddTo(*indexes_, &record);
  }
  return *indexes_;
}

const Record* Book::Find(std::string_view id) const {
  const auto found = records_.find(id);
  return found == records_.end() ? nullptr : &found->second;
}

Record* Book::Mutable(std::string_view id) {
  const auto found = records_.find(id);
  return found == records_.end() ? nullptr : &found->second;
}

const Tombstone* Book::FindDeleted(std::string_view id) const {
  const auto found = deleted_.find(id);
  return found == deleted_.end() ? nullptr : &found->second;
}

std::optional<Entry> Book::EntryOf(std::string_view id) const {
  if (const Record* record = Find(id)) return Entry(*record);
  if (const Tombstone* tombstone = FindDeleted(id)) return Entry(*tombstone);
  return std::nullopt;
}

std::vector<const Record*> Book::Records() const {
  std::vector<const Record*> records;
  records.reserve(records_.size());
  for (const auto& [id, record] : records_) records.push_back(&record);
  std::sort(records.begin(), records.end(), MadeFirst);
  return records;
}

std::vector<const Tombstone*> Book::Deleted() const {
  std::vector<const Tombstone*> deleted;
  deleted.reserve(deleted_.size());
  for (const auto& [id, tombstone] : deleted_) deleted.push_back(&tombstone);
  std::sort(deleted.begin(), deleted.end(), [](const Tombstone* a, const Tombstone* b) {
    return std::tie(a->deleted, a->id) < std::tie(b->deleted, b->id);
  });
  return deleted;
}

std::vector<const Record*> Book::RecordsOf(std::string_view pet) const {
  std::vector<const Record*> records;
  for (const auto& [id, record] : records_) {
    if (record.pet == pet) records.push_back(&record);
  }
  std::sort(records.begin(), records.end(), LowerLevelFirst);
  return records;
}

template <typename Pick>
const Record* Book::Newest(const StatsIndex& index, std::uint64_t hash, Pick pick) {
  const Record* newest = nullptr;
  auto [first, last] = index.equal_range(hash);
  for (; first != last; ++first) {
    const Record& record = *first->second;
    if (pick(record) && (newest == nullptr || Newer(record, *newest))) newest = &record;
  }
  return newest;
}

const Record* Book::NewestWithStats(const PetStats& stats) const {
  return Newest(Indexes().by_stats, HashOf(stats, form::kStatBoxCount),
                [&](const Record& record) { return record.stats == stats; });
}

const Record* Book::NewestWithInitialStats(const PetStats& stats) const {
  return Newest(Indexes().by_initial, HashOf(stats, form::kStatCount), [&](const Record& record) {
    return std::equal(stats.begin(), stats.begin() + form::kStatCount, record.stats.begin());
  });
}

void Book::Insert(Record record) {
  Remove(record.id);
  deleted_.erase(record.id);
  Place(std::move(record));
}

void Book::Place(Record record) {
  Record& held = records_.try_emplace(record.id).first->second;
  held = std::move(record);
  if (indexes_) AddTo(*indexes_, &held);
}

void Book::Remove(const std::string& id) {
  const auto found = records_.find(id);
  if (found == records_.end()) return;
  if (indexes_) RemoveFrom(*indexes_, &found->second);
  records_.erase(found);
}

Record& Book::MakeRecord(const PetStats& stats, Time now) {
  Record record;
  record.id = new_id_();
  record.stats = stats;
  record.made = record.changed = now;
  if (const Record* sibling = NewestWithInitialStats(stats)) {
    record.pet = sibling->pet;
    record.name = sibling->name;
  } else {
    record.pet = new_id_();
  }
  const std::string id = record.id;
  Insert(std::move(record));
  return records_.at(id);
}

template <typename Change>
Kept Book::Keep(const PetStats& stats, Time now, Change change) {
  const Record* existing = NewestWithStats(stats);
  Record& record = existing != nullptr ? *Mutable(existing->id) : MakeRecord(stats, now);
  const bool made = existing == nullptr;
  if (!change(record) && !made) return {record.id, {}};
  record.changed = now;
  Compute(record);
  return {record.id, {record.id}};
}

Kept Book::KeepGrowth(const PetStats& stats, Time now) {
  if (!GrowthOf(stats)) return {};
  return Keep(stats, now, [](Record&) { return false; });
}

Kept Book::KeepPrediction(const PetStats& stats, std::int32_t target_level, Time now) {
  if (!PredictionOf(stats, target_level)) return {};
  return Keep(stats, now, [target_level](Record& record) {
    if (record.target_level == target_level) return false;
    record.target_level = target_level;
    return true;
  });
}

Changes Book::Touch(Record& record, Time now) {
  record.changed = std::max(now, record.changed);
  return {record.id};
}

Changes Book::Rename(std::string_view id, std::string_view name, Time now) {
  const Record* named = Find(id);
  if (named == nullptr) return {};
  const std::string cut = CleanText(name, TextKind::kName);
  Changes changes;
  for (const Record* sibling : RecordsOf(named->pet)) {
    if (sibling->name == cut) continue;
    Record& record = *Mutable(sibling->id);
    record.name = cut;
    Touch(record, now);
    changes.push_back(record.id);
  }
  return changes;
}

Changes Book::SetNote(std::string_view id, std::string_view note, Time now) {
  Record* record = Mutable(id);
  const std::string cut = CleanText(note, TextKind::kNote);
  if (record == nullptr || record->note == cut) return {};
  record->note = cut;
  return Touch(*record, now);
}

Changes Book::SetPinned(std::string_view id, bool pinned, Time now) {
  Record* record = Mutable(id);
  if (record == nullptr || record->pinned == pinned) return {};
  record->pinned = pinned;
  return Touch(*record, now);
}

Changes Book::SplitOff(std::string_view id, Time now) {
  Record* record = Mutable(id);
  if (record == nullptr || RecordsOf(record->pet).size() == 1) return {};
  record->pet = new_id_();
  return Touch(*record, now);
}

Changes Book::JoinPet(std::string_view id, std::string_view other, Time now) {
  Record* record = Mutable(id);
  const Record* into = Find(other);
  if (record == nullptr || into == nullptr || record->pet == into->pet) return {};
  record->pet = into->pet;
  record->name = into->name;
  return Touch(*record, now);
}

Deletion Book::Delete(const std::vector<std::string>& ids, Time now) {
  Deletion deletion{{}, now};
  for (const std::string& id : ids) {
    const Record* record = Find(id);
    if (record == nullptr) continue;
    deletion.records.push_back(*record);
    Remove(id);
    deleted_.insert_or_assign(id, Tombstone{id, now});
  }
  return deletion;
}

Deletion Book::Clear(Time now) {
  std::vector<std::string> ids;
  ids.reserve(records_.size());
  for (const auto& [id, record] : records_) ids.push_back(id);
  return Delete(ids, now);
}

Changes Book::Undo(const Deletion& deletion) {
  Changes changes;
  for (Record record : deletion.records) {
    const Tombstone* mark = FindDeleted(record.id);
    // Only the mark this deletion left: a later one, or a record another copy brought back, stays.
    if (mark == nullptr || mark->deleted != deletion.deleted) continue;
    record.revived = deletion.deleted;
    changes.push_back(record.id);
    Insert(std::move(record));
  }
  return changes;
}

bool Book::Absorb(Entry entry) {
  const std::string id = IdOf(entry);
  if (Find(id) != nullptr || FindDeleted(id) != nullptr) {
    if (!Wins(entry, *EntryOf(id))) return false;
    Remove(id);
    deleted_.erase(id);
  }
  // Nothing is held under the id now: the entry goes straight in, as a book read whole meets it.
  if (auto* tombstone = std::get_if<Tombstone>(&entry)) {
    deleted_.emplace(id, std::move(*tombstone));
  } else {
    Place(std::move(std::get<Record>(entry)));
  }
  return true;
}

PetStats InitialStatsOf(const PetStats& stats) {
  PetStats initial{};
  std::copy_n(stats.begin(), form::kStatCount, initial.begin());
  return initial;
}

std::string CutToCharacters(std::string_view text, std::size_t limit) {
  std::size_t at = 0;
  for (std::size_t characters = 0; at < text.size() && characters < limit; ++characters) {
    ++at;
    while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) ++at;
  }
  return std::string(text.substr(0, at));
}

}  // namespace petcalc::book

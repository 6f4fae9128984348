#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "book/record.h"
#include "book/time.h"

namespace petcalc::book {

// The ids whose entries an operation changed: what a front end stores, and tells its other
// copies (another tab, another program), each as EntryOf gives it.
using Changes = std::vector<std::string>;

// The record a finished click went to.
struct Kept {
  std::string id;
  Changes changes;  // empty when the record held the click already
};

// What a deletion took, for its undo.
struct Deletion {
  std::vector<Record> records;
  Time deleted;
};

// Every pet a player weighed: its records by id, and the marks of those deleted. The one
// implementation of the book's rules for every front end, which only stores its entries and
// draws them. Every operation takes its time from the caller.
class Book {
 public:
  using IdSource = std::function<std::string()>;
  explicit Book(IdSource new_id = NewRandomId);

  std::size_t size() const { return records_.size(); }
  // Room for `count` records in all, so that a whole file's entries go in without rehashing.
  void Reserve(std::size_t count);
  const Record* Find(std::string_view id) const;
  const Tombstone* FindDeleted(std::string_view id) const;
  // What the book holds under `id`, a record or its mark; nothing for an id it never held.
  std::optional<Entry> EntryOf(std::string_view id) const;

  // Every record, and every mark, ordered by the time it was made (deleted), then by id.
  std::vector<const Record*> Records() const;
  std::vector<const Tombstone*> Deleted() const;
  // A pet's records in the order of its current level, then of their making: its timeline.
  std::vector<const Record*> RecordsOf(std::string_view pet) const;
  // The newest record of these twelve stats, and of these six initial stats (the first six of
  // `stats`); null where there is none.
  const Record* NewestWithStats(const PetStats& stats) const;
  const Record* NewestWithInitialStats(const PetStats& stats) const;
  // A new id, for a record or a pet.
  std::string NewId() const { return new_id_(); }

  // A finished growth click: the newest record of the same twelve stats holds it already,
  // its prediction kept; or a new record, which joins the pet of the newest record of the same
  // six initial stats and takes its name, or starts a pet of its own.
  Kept KeepGrowth(const PetStats& stats, Time now);
  // A finished prediction: its target level set on the newest record of the same twelve stats,
  // or on a new one as above.
  Kept KeepPrediction(const PetStats& stats, std::int32_t target_level, Time now);

  // The player's own changes to a record; nothing changes for an id the book does not hold.
  // A name is its pet's: every record of the pet takes it. Names and notes are cleaned as
  // CleanText cleans them.
  Changes Rename(std::string_view id, std::string_view name, Time now);
  Changes SetNote(std::string_view id, std::string_view note, Time now);
  Changes SetPinned(std::string_view id, bool pinned, Time now);
  // The record into a pet of its own, keeping its name; or into the pet of `other`, taking its
  // name.
  Changes SplitOff(std::string_view id, Time now);
  Changes JoinPet(std::string_view id, std::string_view other, Time now);

  // The records deleted, each leaving its mark; Clear deletes them all.
  Deletion Delete(const std::vector<std::string>& ids, Time now);
  Deletion Clear(Time now);
  // This copy's undo of its own deletion: the records back as they were, outliving it in every
  // copy of the book.
  Changes Undo(const Deletion& deletion);

  // Another copy's entry, its record computed from its stats as every reader gives it: kept
  // where it wins over what the book holds (Wins). Gives whether the book changed.
  bool Absorb(Entry entry);

  // Makes now what a finished click looks its record up in, which is otherwise made at the first
  // click: a book read whole is shown sooner without it, and the page makes it once it is shown.
  void Index() const { Indexes(); }

 private:
  // Each record under a hash of its twelve stats, and of its six initial ones: a finished click
  // finds its record without reading the whole book.
  using StatsIndex = std::unordered_multimap<std::uint64_t, const Record*>;
  struct StatsIndexes {
    StatsIndex by_stats;
    StatsIndex by_initial;
  };
  // By id, looked up by a view of it: no string is made for each look-up.
  struct IdHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view id) const { return std::hash<std::string_view>()(id); }
  };
  template <typename Held>
  using ById = std::unordered_map<std::string, Held, IdHash, std::equal_to<>>;

  // The newest record of `index` under `hash` that `pick` takes; null where it takes none.
  template <typename Pick>
  static const Record* Newest(const StatsIndex& index, std::uint64_t hash, Pick pick);
  Record& MakeRecord(const PetStats& stats, Time now);
  // The newest record of `stats`, or a new one, changed by `change` (which gives whether it
  // changed anything).
  template <typename Change>
  Kept Keep(const PetStats& stats, Time now, Change change);
  const StatsIndexes& Indexes() const;
  // A record in place of whatever the book held under its id.
  void Insert(Record record);
  // A record under an id the book holds nothing under.
  void Place(Record record);
  void Remove(const std::string& id);
  Record* Mutable(std::string_view id);
  Changes Touch(Record& record, Time now);

  IdSource new_id_;
  ById<Record> records_;
  ById<Tombstone> deleted_;
  // Made when first asked for, then kept with the records.
  mutable std::optional<StatsIndexes> indexes_;
};

// The six initial stats of `stats`, the current ones zero.
PetStats InitialStatsOf(const PetStats& stats);

// The first `limit` characters of UTF-8 `text`.
std::string CutToCharacters(std::string_view text, std::size_t limit);

}  // namespace petcalc::book

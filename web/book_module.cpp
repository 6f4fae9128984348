// The page's book: one Book in its own module, loaded after the calculator, with what the page's
// script (book.js) asks of it. Texts cross as UTF-8 in the module's memory: the script allocates
// what it passes, and reads what the module gives back, which stays valid until the next call.
#include <emscripten/emscripten.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "book/book.h"
#include "book/book_csv.h"
#include "book/book_import.h"
#include "book/book_json.h"
#include "book/share_link.h"
#include "book/summary.h"
#include "book/utf8_text.h"
#include "runtime/utf8.h"

// 32 hexadecimal digits from the browser's own random source.
// clang-format off
EM_JS(void, petbook_random_id, (char* out), {
  const digits = "0123456789abcdef";
  crypto.getRandomValues(new Uint8Array(16)).forEach((byte, i) => {
    HEAPU8[out + 2 * i] = digits.charCodeAt(byte >> 4);
    HEAPU8[out + 2 * i + 1] = digits.charCodeAt(byte & 15);
  });
});
// clang-format on

namespace {

using namespace petcalc::book;
using Writer = rapidjson::Writer<rapidjson::StringBuffer>;

std::string PageId() {
  std::string id(32, '0');
  petbook_random_id(id.data());
  return id;
}

Book book(PageId);
// This page's own deletions, for their undo, by the number the script holds.
std::vector<std::pair<int, Deletion>> deletions;
int next_deletion = 0;
ImportPreview pending_import;
std::string given;  // what the last call gave back
// The last rows given, as doubles for their alignment, which the page's typed arrays need.
std::vector<double> given_rows;

const char* Give(std::string text) {
  given = std::move(text);
  return given.c_str();
}

Time At(double milliseconds) {
  return Time::FromMilliseconds(static_cast<std::int64_t>(milliseconds));
}

void Text(Writer& out, std::string_view text) {
  out.String(text.data(), static_cast<rapidjson::SizeType>(text.size()));
}

void Ids(Writer& out, const Changes& ids) {
  out.StartArray();
  for (const std::string& id : ids) Text(out, id);
  out.EndArray();
}

// Records as the page shows and sorts them, laid out for typed arrays rather than parsed:
// a header of four 32-bit numbers (the count, where the whole numbers start, where the texts
// start, how many bytes they take); then per record kRowNumbers doubles (made, changed, the five
// growths, three, total, in ten-thousandths) and kRowWholes 32-bit numbers (present, pinned,
// whether it has a target, the target, the UTF-16 lengths of its id, pet, name and note, the
// twelve stats); then the texts, one after another, in UTF-8. A record not found is not present.
constexpr std::size_t kRowNumbers = 9;
constexpr std::size_t kRowWholes = 20;

std::int32_t Utf16Length(std::string_view text) {
  std::int32_t units = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte & 0xC0) != 0x80) units += byte >= 0xF0 ? 2 : 1;  // four bytes: a surrogate pair
  }
  return units;
}

class Rows {
 public:
  explicit Rows(std::size_t count) {
    numbers_.reserve(count * kRowNumbers * sizeof(double));
    wholes_.reserve(count * kRowWholes * sizeof(std::int32_t));
    texts_.reserve(count * 64);
  }

  void Add(const Record* record) {
    if (!record) {
      numbers_.append(kRowNumbers * sizeof(double), '\0');
      wholes_.append(kRowWholes * sizeof(std::int32_t), '\0');
      return;
    }
    Put(numbers_, static_cast<double>(record->made.milliseconds()));
    Put(numbers_, static_cast<double>(record->changed.milliseconds()));
    for (const std::int64_t units : record->growth.per_level)
      Put(numbers_, static_cast<double>(units));
    Put(numbers_, static_cast<double>(record->growth.three_stat));
    Put(numbers_, static_cast<double>(record->growth.total));
    for (const std::int32_t whole : {1, record->pinned ? 1 : 0, record->target_level ? 1 : 0,
                                     record->target_level.value_or(0)}) {
      Put(wholes_, whole);
    }
    for (const std::string* text : {&record->id, &record->pet, &record->name, &record->note}) {
      Put(wholes_, Utf16Length(*text));
      texts_ += *text;
    }
    for (const std::int32_t stat : record->stats) Put(wholes_, stat);
  }

  const char* Give() {
    std::string header;
    const std::size_t wholes_at = kHeader + numbers_.size();
    const std::size_t texts_at = wholes_at + wholes_.size();
    for (const std::size_t field :
         {numbers_.size() / (kRowNumbers * sizeof(double)), wholes_at, texts_at, texts_.size()}) {
      Put(header, static_cast<std::uint32_t>(field));
    }
    given_rows.resize((texts_at + texts_.size()) / sizeof(double) + 1);
    char* bytes = reinterpret_cast<char*>(given_rows.data());
    std::size_t at = 0;
    for (const std::string* part : {&header, &numbers_, &wholes_, &texts_}) {
      std::memcpy(bytes + at, part->data(), part->size());
      at += part->size();
    }
    return bytes;
  }

 private:
  static constexpr std::size_t kHeader = 4 * sizeof(std::uint32_t);

  template <typename Number>
  static void Put(std::string& out, Number value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
  }

  std::string numbers_;
  std::string wholes_;
  std::string texts_;
};

template <typename Write>
const char* GiveJson(Write write) {
  rapidjson::StringBuffer buffer;
  Writer out(buffer);
  write(out);
  return Give({buffer.GetString(), buffer.GetSize()});
}

const char* GiveChanges(const Changes& changes) {
  return GiveJson([&](Writer& out) { Ids(out, changes); });
}

// Ids as the script passes them, one to a line.
std::vector<std::string> IdList(std::string_view lines) {
  std::vector<std::string> ids;
  while (!lines.empty()) {
    const std::size_t end = lines.find('\n');
    if (end != 0) ids.emplace_back(lines.substr(0, end));
    lines = end == std::string_view::npos ? std::string_view() : lines.substr(end + 1);
  }
  return ids;
}

void Problems(Writer& out, const std::vector<RowProblem>& problems) {
  out.StartArray();
  for (const RowProblem& problem : problems) {
    out.StartArray();
    Text(out, problem.where);
    Text(out, problem.reason);
    out.EndArray();
  }
  out.EndArray();
}

const char* GivePreview(const FileRead& read) {
  if (!read.file) {
    pending_import = {};
    return GiveJson([&](Writer& out) {
      out.StartObject();
      out.Key("refused");
      Text(out, read.problem);
      out.EndObject();
    });
  }
  pending_import = PreviewImport(book, *read.file);
  return GiveJson([](Writer& out) {
    out.StartObject();
    out.Key("new");
    out.Uint64(pending_import.new_records);
    out.Key("same");
    out.Uint64(pending_import.already_there);
    out.Key("changed");
    out.Uint64(pending_import.changed);
    out.Key("deleted");
    out.Uint64(pending_import.deleted);
    out.Key("problems");
    Problems(out, pending_import.problems);
    out.EndObject();
  });
}

}  // namespace

extern "C" {

// The stored entries, `count` of them one after another, each of its own length; gives the
// places of those it cannot read, from 0, which the page then leaves as they are.
EMSCRIPTEN_KEEPALIVE const char* petbook_load(const char* entries, const int* lengths, int count) {
  std::vector<int> unreadable;
  book.Reserve(book.size() + static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    EntryRead read = ReadEntryJson({entries, static_cast<std::size_t>(lengths[i])});
    entries += lengths[i];
    if (read.entry) {
      book.Absorb(std::move(*read.entry));
    } else {
      unreadable.push_back(i);
    }
  }
  return GiveJson([&](Writer& out) {
    out.StartArray();
    for (const int place : unreadable) out.Int(place);
    out.EndArray();
  });
}

// What a finished click looks its record up in, made once the book is shown rather than at the
// player's first click.
EMSCRIPTEN_KEEPALIVE void petbook_index() { book.Index(); }

// The version of the book's format this page writes; the page keeps it beside its entries.
EMSCRIPTEN_KEEPALIVE int petbook_format_version() { return kFormatVersion; }

// Every record, as rows.
EMSCRIPTEN_KEEPALIVE const char* petbook_rows() {
  const std::vector<const Record*> records = book.Records();
  Rows rows(records.size());
  for (const Record* record : records) rows.Add(record);
  return rows.Give();
}

// The rows of these ids, not present for an id the book holds no record of.
EMSCRIPTEN_KEEPALIVE const char* petbook_rows_of(const char* ids) {
  const std::vector<std::string> wanted = IdList(ids);
  Rows rows(wanted.size());
  for (const std::string& id : wanted) rows.Add(book.Find(id));
  return rows.Give();
}

// A growth, three or total in ten-thousandths as the window writes it: asked for by the rows
// drawn, not made for every row of a long book.
EMSCRIPTEN_KEEPALIVE const char* petbook_growth_text(double units) {
  return Give(petcalc::ToUtf8(petcalc::GrowthText(static_cast<std::int64_t>(units))));
}

// A finished click of the player's: {"id":…,"changes":[…]}.
EMSCRIPTEN_KEEPALIVE const char* petbook_keep(int growth, const std::int32_t* stats, int target,
                                              double now) {
  petcalc::PetStats kept{};
  std::copy(stats, stats + kept.size(), kept.begin());
  const Kept result =
      growth ? book.KeepGrowth(kept, At(now)) : book.KeepPrediction(kept, target, At(now));
  return GiveJson([&](Writer& out) {
    out.StartObject();
    out.Key("id");
    Text(out, result.id);
    out.Key("changes");
    Ids(out, result.changes);
    out.EndObject();
  });
}

EMSCRIPTEN_KEEPALIVE const char* petbook_rename(const char* id, const char* name, double now) {
  return GiveChanges(book.Rename(id, WellFormed(name), At(now)));
}

EMSCRIPTEN_KEEPALIVE const char* petbook_note(const char* id, const char* note, double now) {
  return GiveChanges(book.SetNote(id, WellFormed(note), At(now)));
}

EMSCRIPTEN_KEEPALIVE const char* petbook_pin(const char* id, int pinned, double now) {
  return GiveChanges(book.SetPinned(id, pinned != 0, At(now)));
}

EMSCRIPTEN_KEEPALIVE const char* petbook_split(const char* id, double now) {
  return GiveChanges(book.SplitOff(id, At(now)));
}

EMSCRIPTEN_KEEPALIVE const char* petbook_join(const char* id, const char* other, double now) {
  return GiveChanges(book.JoinPet(id, other, At(now)));
}

// {"undo": n, "changes": […]}: n for petbook_undo.
EMSCRIPTEN_KEEPALIVE const char* petbook_delete(const char* ids, int everything, double now) {
  Deletion deletion = everything ? book.Clear(At(now)) : book.Delete(IdList(ids), At(now));
  Changes changes;
  for (const Record& record : deletion.records) changes.push_back(record.id);
  const int undo = next_deletion++;
  deletions.emplace_back(undo, std::move(deletion));
  return GiveJson([&](Writer& out) {
    out.StartObject();
    out.Key("undo");
    out.Int(undo);
    out.Key("changes");
    Ids(out, changes);
    out.EndObject();
  });
}

EMSCRIPTEN_KEEPALIVE const char* petbook_undo(int undo) {
  const auto found = std::find_if(deletions.begin(), deletions.end(),
                                  [undo](const auto& held) { return held.first == undo; });
  if (found == deletions.end()) return GiveChanges({});
  const Changes changes = book.Undo(found->second);
  deletions.erase(found);
  return GiveChanges(changes);
}

// The entry to store under `id`, or nothing for an id the book never held; as bytes, which
// petbook_given_length counts.
EMSCRIPTEN_KEEPALIVE const char* petbook_entry(const char* id) {
  const std::optional<Entry> entry = book.EntryOf(id);
  return Give(entry ? EntryJson(*entry) : std::string());
}

// A stored entry, perhaps another tab's: 1 when it won over the book's, 0 when it did not,
// -1 when it cannot be read.
EMSCRIPTEN_KEEPALIVE int petbook_absorb(const char* entry, int length) {
  EntryRead read = ReadEntryJson({entry, static_cast<std::size_t>(length)});
  if (!read.entry) return -1;
  return book.Absorb(std::move(*read.entry)) ? 1 : 0;
}

// The book's file and its spreadsheet, as bytes: petbook_given_length says how many.
EMSCRIPTEN_KEEPALIVE const char* petbook_export_json() { return Give(BookJson(book)); }
EMSCRIPTEN_KEEPALIVE const char* petbook_export_csv() { return Give(BookCsv(book)); }
EMSCRIPTEN_KEEPALIVE int petbook_given_length() { return static_cast<int>(given.size()); }

// Whether a spreadsheet's bytes are UTF-8 (1), or the page is to decode them first (0).
EMSCRIPTEN_KEEPALIVE int petbook_is_utf8(const char* bytes, int length) {
  return IsUtf8({bytes, static_cast<std::size_t>(length)}) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE const char* petbook_undecodable() { return kUndecodable.data(); }

// What importing the file would do: {"refused": why} or the counts and its unreadable rows as
// [where, why]. Kept for petbook_preview_rows and petbook_apply.
EMSCRIPTEN_KEEPALIVE const char* petbook_preview(int json, const char* text, int length,
                                                 double now) {
  const std::string_view file(text, static_cast<std::size_t>(length));
  return GivePreview(json ? ReadBookJson(file) : ReadBookCsv(file, At(now)));
}

// The records deleted here that the previewed file still holds, as rows.
EMSCRIPTEN_KEEPALIVE const char* petbook_preview_rows() {
  Rows rows(pending_import.deleted_here.size());
  for (const std::size_t index : pending_import.deleted_here)
    rows.Add(&std::get<Record>(pending_import.entries[index]));
  return rows.Give();
}

EMSCRIPTEN_KEEPALIVE const char* petbook_apply(const char* bring_back) {
  const Changes changes = ApplyImport(book, pending_import, IdList(bring_back));
  pending_import = {};
  return GiveChanges(changes);
}

// The fragment of a link to `id`'s pet, its summary, and the comparison of two to four records.
EMSCRIPTEN_KEEPALIVE const char* petbook_share(const char* id) {
  const Record* record = book.Find(id);
  return Give(record ? ShareFragment({record->stats, record->target_level}) : std::string());
}

// {"stats": […], "target": n or null}, or null for a fragment that is not a pet's.
EMSCRIPTEN_KEEPALIVE const char* petbook_read_share(const char* fragment) {
  const std::optional<SharedPet> pet = ReadShareFragment(fragment);
  return GiveJson([&](Writer& out) {
    if (!pet) {
      out.Null();
      return;
    }
    out.StartObject();
    out.Key("stats");
    out.StartArray();
    for (const std::int32_t stat : pet->stats) out.Int(stat);
    out.EndArray();
    out.Key("target");
    if (pet->target_level) {
      out.Int(*pet->target_level);
    } else {
      out.Null();
    }
    out.EndObject();
  });
}

EMSCRIPTEN_KEEPALIVE const char* petbook_summary(const char* id) {
  const Record* record = book.Find(id);
  return Give(record ? Summary(*record) : std::string());
}

// [[name, [values], [differences]], …].
EMSCRIPTEN_KEEPALIVE const char* petbook_compare(const char* ids) {
  std::vector<const Record*> records;
  for (const std::string& id : IdList(ids)) {
    if (const Record* record = book.Find(id)) records.push_back(record);
  }
  const std::vector<ComparedValue> compared = Compare(records);
  return GiveJson([&](Writer& out) {
    out.StartArray();
    for (const ComparedValue& value : compared) {
      out.StartArray();
      Text(out, value.name);
      out.StartArray();
      for (const std::string& text : value.values) Text(out, text);
      out.EndArray();
      out.StartArray();
      for (const std::string& text : value.differences) Text(out, text);
      out.EndArray();
      out.EndArray();
    }
    out.EndArray();
  });
}

// A pet's records in level order, by id.
EMSCRIPTEN_KEEPALIVE const char* petbook_timeline(const char* pet) {
  Changes ids;
  for (const Record* record : book.RecordsOf(pet)) ids.push_back(record->id);
  return GiveChanges(ids);
}

}  // extern "C"

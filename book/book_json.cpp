#include "book/book_json.h"

#include <rapidjson/document.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "book/text_checks.h"
#include "book/utf8_text.h"
#include "petcalc_version.h"

namespace petcalc::book {
namespace {

using Value = rapidjson::Value;
using Pool = rapidjson::MemoryPoolAllocator<>;
// Its parsing stack from a pool too, which may lie on the caller's stack.
using Document = rapidjson::GenericDocument<rapidjson::UTF8<>, Pool, Pool>;

using Buffer = rapidjson::StringBuffer;
using Writer = rapidjson::Writer<Buffer>;

std::string_view View(const Value& value) { return {value.GetString(), value.GetStringLength()}; }

void String(Writer& out, std::string_view key, std::string_view text) {
  out.Key(key.data(), static_cast<rapidjson::SizeType>(key.size()));
  out.String(text.data(), static_cast<rapidjson::SizeType>(text.size()));
}

void Stats(Writer& out, std::string_view key, const PetStats& stats, std::size_t first) {
  out.Key(key.data(), static_cast<rapidjson::SizeType>(key.size()));
  out.StartArray();
  for (std::size_t i = first; i < first + form::kStatCount; ++i) out.Int(stats[i]);
  out.EndArray();
}

void Write(Writer& out, const Record& record) {
  out.StartObject();
  String(out, "id", record.id);
  String(out, "pet", record.pet);
  String(out, "name", record.name);
  String(out, "note", record.note);
  out.Key("pinned");
  out.Bool(record.pinned);
  String(out, "made", TimeText(record.made));
  String(out, "changed", TimeText(record.changed));
  if (record.revived) String(out, "revived", TimeText(*record.revived));
  Stats(out, "initial", record.stats, 0);
  Stats(out, "current", record.stats, form::kStatCount);
  if (record.target_level) {
    out.Key("target");
    out.Int(*record.target_level);
  }
  out.EndObject();
}

void Write(Writer& out, const Tombstone& tombstone) {
  out.StartObject();
  String(out, "id", tombstone.id);
  String(out, "deleted", TimeText(tombstone.deleted));
  out.EndObject();
}

void Append(Buffer& buffer, std::string_view text) {
  std::copy(text.begin(), text.end(), buffer.Push(text.size()));
}

// Records and tombstones, one a line, into the end of `buffer`.
template <typename Held>
void AppendLines(Buffer& buffer, const std::vector<const Held*>& list) {
  Writer out(buffer);
  std::string_view separator = "\n";
  for (const Held* held : list) {
    Append(buffer, separator);
    separator = ",\n";
    out.Reset(buffer);
    Write(out, *held);
  }
}

// The members of one object, each taken at most once; what is left over is a key this format
// does not have.
class Fields {
 public:
  // More keys than any object of this format has: a record has thirteen.
  static constexpr rapidjson::SizeType kMostKeys = 16;

  explicit Fields(const Value& object) : object_(object) {}

  // What is wrong with the object's keys as such, if anything: more than this format has, or one
  // repeated.
  std::optional<std::string> Problem() const {
    const rapidjson::SizeType count = object_.MemberCount();
    if (count > kMostKeys) return "字段太多";
    // Each key's view taken once, rather than again for every pair.
    std::string_view names[kMostKeys];
    for (rapidjson::SizeType at = 0; at < count; ++at) {
      names[at] = View((object_.MemberBegin() + at)->name);
      for (rapidjson::SizeType other = 0; other < at; ++other) {
        if (names[other] == names[at]) return "字段 “" + std::string(names[at]) + "” 重复";
      }
    }
    return std::nullopt;
  }

  // The member under `key`, looked for from the one after the last taken: an object holds its
  // keys in the order they are taken, so each is found at the first look. After Problem.
  const Value* Take(std::string_view key) {
    const rapidjson::SizeType count = object_.MemberCount();
    if (count > kMostKeys) return nullptr;
    for (rapidjson::SizeType look = 0; look < count; ++look) {
      const rapidjson::SizeType at = (next_ + look) % count;
      const auto member = object_.MemberBegin() + at;
      if (View(member->name) == key) {
        taken_ |= 1U << at;
        next_ = at + 1;
        return &member->value;
      }
    }
    return nullptr;
  }

  std::optional<std::string> Unknown() const {
    for (rapidjson::SizeType at = 0; at < object_.MemberCount(); ++at) {
      if ((taken_ & (1U << at)) == 0) return std::string(View((object_.MemberBegin() + at)->name));
    }
    return std::nullopt;
  }

 private:
  const Value& object_;
  std::uint32_t taken_ = 0;  // a bit a member
  rapidjson::SizeType next_ = 0;
};

// What reading a field gave: nothing wrong, or the reason, in Chinese.
using Problem = std::string;

Problem Missing(std::string_view key) { return "缺少字段 “" + std::string(key) + "”"; }
Problem Wrong(std::string_view key) { return "字段 “" + std::string(key) + "” 有误"; }

Problem TakeId(Fields& fields, std::string_view key, std::string& out) {
  const Value* value = fields.Take(key);
  if (value == nullptr) return Missing(key);
  if (!value->IsString() || !IsValidId(View(*value))) return Wrong(key);
  out = View(*value);
  return {};
}

Problem TakeTime(Fields& fields, std::string_view key, std::optional<Time>& out) {
  const Value* value = fields.Take(key);
  if (value == nullptr) return {};
  if (!value->IsString()) return Wrong(key);
  out = ReadTime(View(*value));
  return out ? Problem() : Wrong(key);
}

Problem TakeRequiredTime(Fields& fields, std::string_view key, Time& out) {
  std::optional<Time> time;
  if (Problem problem = TakeTime(fields, key, time); !problem.empty()) return problem;
  if (!time) return Missing(key);
  out = *time;
  return {};
}

Problem TakeText(Fields& fields, std::string_view key, TextKind kind, std::string& out) {
  const Value* value = fields.Take(key);
  if (value == nullptr) return {};
  if (!value->IsString()) return Wrong(key);
  if (Problem problem = CheckText(View(*value), kind); !problem.empty()) return problem;
  out = View(*value);
  return {};
}

Problem TakeStats(Fields& fields, std::string_view key, PetStats& stats, std::size_t first) {
  const Value* value = fields.Take(key);
  if (value == nullptr) return Missing(key);
  if (!value->IsArray() || value->Size() != form::kStatCount) return Wrong(key);
  for (rapidjson::SizeType i = 0; i < form::kStatCount; ++i) {
    if (!(*value)[i].IsInt()) return Wrong(key);
    stats[first + i] = (*value)[i].GetInt();
  }
  return {};
}

Problem ReadRecord(const Value& value, Record& record) {
  if (!value.IsObject()) return "不是一条记录";
  Fields fields(value);
  if (const auto problem = fields.Problem()) return *problem;
  std::optional<Time> revived;
  Problem problem = TakeId(fields, "id", record.id);
  if (problem.empty()) problem = TakeId(fields, "pet", record.pet);
  if (problem.empty()) problem = TakeText(fields, "name", TextKind::kName, record.name);
  if (problem.empty()) problem = TakeText(fields, "note", TextKind::kNote, record.note);
  if (problem.empty()) {
    const Value* pinned = fields.Take("pinned");
    if (pinned != nullptr && !pinned->IsBool()) problem = Wrong("pinned");
    record.pinned = pinned != nullptr && pinned->GetBool();
  }
  if (problem.empty()) problem = TakeRequiredTime(fields, "made", record.made);
  if (problem.empty()) problem = TakeRequiredTime(fields, "changed", record.changed);
  if (problem.empty()) problem = TakeTime(fields, "revived", revived);
  if (problem.empty()) problem = TakeStats(fields, "initial", record.stats, 0);
  if (problem.empty()) problem = TakeStats(fields, "current", record.stats, form::kStatCount);
  if (problem.empty()) {
    const Value* target = fields.Take("target");
    if (target != nullptr && !target->IsInt()) problem = Wrong("target");
    if (target != nullptr && target->IsInt()) record.target_level = target->GetInt();
  }
  if (!problem.empty()) return problem;
  if (const auto unknown = fields.Unknown()) return "未知字段 “" + *unknown + "”";
  record.revived = revived;
  return Computable(record);
}

Problem ReadTombstone(const Value& value, Tombstone& tombstone) {
  if (!value.IsObject()) return "不是一条删除记录";
  Fields fields(value);
  if (const auto problem = fields.Problem()) return *problem;
  Problem problem = TakeId(fields, "id", tombstone.id);
  if (problem.empty()) problem = TakeRequiredTime(fields, "deleted", tombstone.deleted);
  if (problem.empty()) {
    if (const auto unknown = fields.Unknown()) problem = "未知字段 “" + *unknown + "”";
  }
  return problem;
}

// Iterative, so that no nesting, however deep, exhausts the stack. The strings' UTF-8 is checked
// where each is taken (CheckText, IsValidId, ReadTime), lone surrogates included, which rapidjson
// 1.1.0 lets through as escapes.
constexpr unsigned kParseFlags = rapidjson::kParseIterativeFlag;

// The text parsed whole, one value and nothing after it but blanks, or why not.
Problem Parse(std::string_view json, Document& document) {
  if (json.size() > kMaxFileBytes) return "文件太大（超过 64 MiB）";
  document.Parse<kParseFlags>(json.data(), json.size());
  if (document.HasParseError()) return "不是 JSON 文件，或文件已损坏";
  return {};
}

// The entries of one of the file's lists, each read or a row it could not give.
template <typename Held, typename Read>
void ReadList(const Value& list, std::string_view what, Read read, std::vector<Held>& out,
              std::vector<RowProblem>& problems) {
  for (rapidjson::SizeType i = 0; i < list.Size(); ++i) {
    Held held{};
    Problem problem = read(list[i], held);
    if (problem.empty()) {
      out.push_back(std::move(held));
    } else {
      problems.push_back({std::string(what) + " " + NumberText(static_cast<std::int32_t>(i + 1)),
                          std::move(problem)});
    }
  }
}

}  // namespace

std::string BookJson(const Book& book) {
  // About a record's length, so that the file is rarely copied as it grows.
  constexpr std::size_t kLineBytes = 320;
  Buffer buffer(nullptr, kLineBytes * (book.size() + 1));
  Append(buffer, "{\"format\":\"" + std::string(kFormatName) +
                     "\",\"version\":" + NumberText(kFormatVersion) + ",\"program\":\"" +
                     PETCALC_VERSION_TEXT + "\",\n\"records\":[");
  AppendLines(buffer, book.Records());
  Append(buffer, "],\n\"deleted\":[");
  AppendLines(buffer, book.Deleted());
  Append(buffer, "]}\n");
  return {buffer.GetString(), buffer.GetSize()};
}

FileRead ReadBookJson(std::string_view json) {
  Document document;
  if (Problem problem = Parse(json, document); !problem.empty()) return {std::nullopt, problem};
  const Problem not_ours = "不是宠物记录文件";
  if (!document.IsObject()) return {std::nullopt, not_ours};
  Fields fields(document);
  if (const auto problem = fields.Problem()) return {std::nullopt, not_ours + "：" + *problem};
  const Value* format = fields.Take("format");
  if (format == nullptr || !format->IsString() || View(*format) != kFormatName) {
    return {std::nullopt, not_ours};
  }
  const Value* version = fields.Take("version");
  if (version == nullptr || !version->IsInt() || version->GetInt() < 1) {
    return {std::nullopt, not_ours + "：格式版本有误"};
  }
  if (version->GetInt() > kFormatVersion) {
    return {std::nullopt, "此文件由较新版本的程序写成（格式版本 " + NumberText(version->GetInt()) +
                              "），请先更新本程序再导入"};
  }
  const Value* program = fields.Take("program");
  if (program == nullptr || !program->IsString() ||
      !CheckText(View(*program), TextKind::kName).empty()) {
    return {std::nullopt, not_ours + "：程序版本有误"};
  }
  const Value* records = fields.Take("records");
  const Value* deleted = fields.Take("deleted");
  if (records == nullptr || !records->IsArray() || (deleted != nullptr && !deleted->IsArray())) {
    return {std::nullopt, not_ours + "：缺少记录"};
  }
  if (const auto unknown = fields.Unknown()) {
    return {std::nullopt, not_ours + "：未知字段 “" + *unknown + "”"};
  }
  BookFile file;
  ReadList(*records, "记录", ReadRecord, file.records, file.problems);
  if (deleted != nullptr)
    ReadList(*deleted, "删除记录", ReadTombstone, file.deleted, file.problems);
  return {std::move(file), {}};
}

std::string EntryJson(const Entry& entry) {
  Buffer buffer;
  Writer out(buffer);
  std::visit([&](const auto& held) { Write(out, held); }, entry);
  return {buffer.GetString(), buffer.GetSize()};
}

EntryRead ReadEntryJson(std::string_view json) {
  // An entry is small: its values and its parsing stack in buffers of their own, rather than in
  // blocks asked of the heap for each of a book's thousands of entries.
  alignas(std::max_align_t) char values[4096];
  alignas(std::max_align_t) char stack[2048];
  // The stack starts at a quarter of its buffer, which also holds the pool's header, so that it
  // grows by halves in place as a record's thirteen members pile up on it.
  constexpr std::size_t kStackStart = sizeof stack / 4;
  Pool allocator(values, sizeof values);
  Pool stack_allocator(stack, sizeof stack);
  Document document(&allocator, kStackStart, &stack_allocator);
  if (Problem problem = Parse(json, document); !problem.empty()) return {std::nullopt, problem};
  if (document.IsObject() && document.HasMember("deleted")) {
    Tombstone tombstone;
    Problem problem = ReadTombstone(document, tombstone);
    if (!problem.empty()) return {std::nullopt, problem};
    return {Entry(std::move(tombstone)), {}};
  }
  Record record;
  Problem problem = ReadRecord(document, record);
  if (!problem.empty()) return {std::nullopt, problem};
  return {Entry(std::move(record)), {}};
}

}  // namespace petcalc::book

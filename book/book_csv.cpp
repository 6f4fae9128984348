#include "book/book_csv.h"

#include <algorithm>
#include <optional>

#include "book/text_checks.h"
#include "book/utf8_text.h"
#include "runtime/utf8.h"

namespace petcalc::book {
namespace {

using Kind = CsvColumn::Kind;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kRowEnd = "\r\n";
constexpr std::string_view kYes = "是";
constexpr std::string_view kNo = "否";

std::string Name(form::TextBox box) { return ToUtf8(box.description().accessible_name); }

std::vector<CsvColumn> MakeColumns() {
  constexpr std::string_view kEnglish[form::kStatCount] = {"level",   "stamina", "attack",
                                                           "defence", "agility", "inspiration"};
  std::vector<CsvColumn> columns = {
      {Kind::kId, 0, "编号", "id"},
      {Kind::kPet, 0, "宠物", "pet"},
      {Kind::kName, 0, "名字", "name"},
      {Kind::kNote, 0, "备注", "note"},
      {Kind::kPinned, 0, "置顶", "pinned"},
      {Kind::kMade, 0, "创建时间", "made"},
      {Kind::kChanged, 0, "修改时间", "changed"},
  };
  for (std::size_t i = 0; i < form::kStatBoxCount; ++i) {
    const std::string row = i < form::kStatCount ? "initial_" : "current_";
    columns.push_back({Kind::kStat, i, Name(form::StatBox(i)), row + std::string(kEnglish[i % 6])});
  }
  for (std::size_t i = 0; i < form::kGrownStatCount; ++i) {
    columns.push_back({Kind::kGrowth, i, Name(form::kGrownStats[i].growth),
                       std::string(kEnglish[form::kFirstGrownStat + i]) + "_growth"});
  }
  columns.push_back({Kind::kThreeStat, 0, Name(form::kSumRows[0].box), "three_stat_growth"});
  columns.push_back({Kind::kTotal, 0, Name(form::kSumRows[1].box), "total_growth"});
  columns.push_back({Kind::kTarget, 0, Name(form::kTargetLevelBox), "target_level"});
  for (std::size_t i = 0; i < form::kGrownStatCount; ++i) {
    columns.push_back({Kind::kPrediction, i, Name(form::kGrownStats[i].prediction),
                       "predicted_" + std::string(kEnglish[form::kFirstGrownStat + i])});
  }
  return columns;
}

// --- Writing ---

bool RunsAsFormula(std::string_view text) {
  return !text.empty() && std::string_view("=+-@\t\r'").find(text[0]) != std::string_view::npos;
}

void AppendText(std::string& row, std::string_view text) {
  std::string guarded(RunsAsFormula(text) ? "'" : "");
  guarded += text;
  if (guarded.find_first_of(",\"\r\n") == std::string::npos) {
    row += guarded;
    return;
  }
  row += '"';
  for (const char c : guarded) row += c == '"' ? "\"\"" : std::string(1, c);
  row += '"';
}

std::string Cell(const Record& record, const CsvColumn& column) {
  const bool predicted = record.target_level.has_value();
  switch (column.kind) {
    case Kind::kId:
      return record.id;
    case Kind::kPet:
      return record.pet;
    case Kind::kName:
      return record.name;
    case Kind::kNote:
      return record.note;
    case Kind::kPinned:
      return std::string(record.pinned ? kYes : kNo);
    case Kind::kMade:
      return TimeText(record.made);
    case Kind::kChanged:
      return TimeText(record.changed);
    case Kind::kStat:
      return NumberText(record.stats[column.index]);
    case Kind::kGrowth:
      return ToUtf8(GrowthText(record.growth.per_level[column.index]));
    case Kind::kThreeStat:
      return ToUtf8(GrowthText(record.growth.three_stat));
    case Kind::kTotal:
      return ToUtf8(GrowthText(record.growth.total));
    case Kind::kTarget:
      return predicted ? NumberText(*record.target_level) : "";
    case Kind::kPrediction:
      return predicted ? NumberText(record.prediction[column.index]) : "";
  }
  return {};
}

bool IsText(Kind kind) {
  return kind == Kind::kId || kind == Kind::kPet || kind == Kind::kName || kind == Kind::kNote;
}

// --- Reading ---

struct Row {
  std::size_t line;  // where it starts, 1 for the first
  std::vector<std::string> fields;
  bool closed = true;  // false when a quoted field runs to the end of the file
};

// RFC 4180, leniently: a row ends at CRLF, LF or CR; a quote inside an unquoted field is kept.
std::vector<Row> SplitRows(std::string_view text) {
  std::vector<Row> rows;
  std::size_t line = 1;
  std::size_t at = 0;
  while (at < text.size()) {
    Row row{line, {}};
    std::string field;
    bool row_done = false;
    while (!row_done) {
      field.clear();
      if (at < text.size() && text[at] == '"') {
        ++at;
        row.closed = false;
        while (at < text.size()) {
          if (text[at] == '"' && at + 1 < text.size() && text[at + 1] == '"') {
            field += '"';
            at += 2;
          } else if (text[at] == '"') {
            ++at;
            row.closed = true;
            break;
          } else {
            if (text[at] == '\n') ++line;
            field += text[at++];
          }
        }
      }
      while (at < text.size() && text[at] != ',' && text[at] != '\r' && text[at] != '\n') {
        field += text[at++];
      }
      row.fields.push_back(field);
      if (at < text.size() && text[at] == ',') {
        ++at;
        continue;
      }
      row_done = true;
      if (at < text.size() && text[at] == '\r') ++at;
      if (at < text.size() && text[at] == '\n') ++at;
      ++line;
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

bool IsBlank(const Row& row) {
  return std::all_of(row.fields.begin(), row.fields.end(),
                     [](const std::string& field) { return field.empty(); });
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  return lower;
}

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

const CsvColumn* ColumnNamed(std::string_view heading) {
  const std::string name = Trimmed(heading);
  for (const CsvColumn& column : CsvColumns()) {
    if (name == column.chinese || Lower(name) == column.english) return &column;
  }
  return nullptr;
}

std::string Unguarded(std::string_view text) {
  if (text.size() >= 2 && text[0] == '\'' && RunsAsFormula(text.substr(1))) {
    return std::string(text.substr(1));
  }
  return std::string(text);
}

std::optional<bool> Pinned(std::string_view text) {
  const std::string value = Lower(Trimmed(text));
  if (value.empty() || value == kNo || value == "no" || value == "false" || value == "0") {
    return false;
  }
  if (value == kYes || value == "yes" || value == "true" || value == "1") return true;
  return std::nullopt;
}

std::string ProblemOf(const CsvColumn& column, std::string_view what) {
  return column.chinese + " " + std::string(what);
}

// One cell into the record, or why not.
std::string ReadCell(const CsvColumn& column, std::string_view cell, Time now, Record& record) {
  switch (column.kind) {
    case Kind::kId:
    case Kind::kPet: {
      const std::string id = Trimmed(Unguarded(cell));
      if (!id.empty() && !IsValidId(id)) return ProblemOf(column, "有误");
      (column.kind == Kind::kId ? record.id : record.pet) = id;
      return {};
    }
    case Kind::kName:
    case Kind::kNote: {
      const bool name = column.kind == Kind::kName;
      std::string text = Unguarded(cell);
      // A spreadsheet may end a cell's lines with CR LF; a note's lines end with LF.
      for (std::size_t at; !name && (at = text.find("\r\n")) != std::string::npos;)
        text.erase(at, 1);
      if (std::string problem = CheckText(text, name ? TextKind::kName : TextKind::kNote);
          !problem.empty()) {
        return problem;
      }
      (name ? record.name : record.note) = std::move(text);
      return {};
    }
    case Kind::kPinned: {
      const std::optional<bool> pinned = Pinned(cell);
      if (!pinned) return ProblemOf(column, "应为“是”或“否”");
      record.pinned = *pinned;
      return {};
    }
    case Kind::kMade:
    case Kind::kChanged: {
      const std::string text = Trimmed(cell);
      const std::optional<Time> time = text.empty() ? now : ReadTime(text);
      if (!time) return ProblemOf(column, "不是 2026-12-08T10:45:53Z 这样的时间");
      (column.kind == Kind::kMade ? record.made : record.changed) = *time;
      return {};
    }
    case Kind::kStat: {
      const std::optional<std::int32_t> value = ReadNumber(Trimmed(cell));
      if (!value) return ProblemOf(column, Trimmed(cell).empty() ? "是空的" : "不是整数");
      record.stats[column.index] = *value;
      return {};
    }
    case Kind::kTarget: {
      if (Trimmed(cell).empty()) return {};
      const std::optional<std::int32_t> value = ReadNumber(Trimmed(cell));
      if (!value) return ProblemOf(column, "不是整数");
      record.target_level = *value;
      return {};
    }
    case Kind::kGrowth:
    case Kind::kThreeStat:
    case Kind::kTotal:
    case Kind::kPrediction:
      return {};  // computed from the stats
  }
  return {};
}

}  // namespace

bool IsUtf8(std::string_view bytes) { return CharactersOf(bytes).has_value(); }

const std::vector<CsvColumn>& CsvColumns() {
  static const std::vector<CsvColumn> columns = MakeColumns();
  return columns;
}

std::string BookCsv(const Book& book) {
  std::string csv(kByteOrderMark);
  const char* separator = "";
  for (const CsvColumn& column : CsvColumns()) {
    csv += separator + column.chinese;
    separator = ",";
  }
  csv += kRowEnd;
  for (const Record* record : book.Records()) {
    separator = "";
    for (const CsvColumn& column : CsvColumns()) {
      csv += separator;
      const std::string cell = Cell(*record, column);
      if (IsText(column.kind)) {
        AppendText(csv, cell);
      } else {
        csv += cell;
      }
      separator = ",";
    }
    csv += kRowEnd;
  }
  return csv;
}

FileRead ReadBookCsv(std::string_view text, Time now) {
  if (text.size() > kMaxFileBytes) return {std::nullopt, "文件太大（超过 64 MiB）"};
  if (!IsUtf8(text)) return {std::nullopt, std::string(kUndecodable)};
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  std::vector<Row> rows = SplitRows(text);
  const auto header = std::find_if_not(rows.begin(), rows.end(), IsBlank);
  if (header == rows.end()) return {std::nullopt, "文件是空的"};

  std::vector<const CsvColumn*> columns;
  for (const std::string& heading : header->fields) {
    const CsvColumn* column = ColumnNamed(heading);
    if (column != nullptr && std::find(columns.begin(), columns.end(), column) != columns.end()) {
      return {std::nullopt, "列 “" + column->chinese + "” 重复"};
    }
    columns.push_back(column);
  }
  for (const CsvColumn& column : CsvColumns()) {
    if (column.kind == Kind::kStat &&
        std::find(columns.begin(), columns.end(), &column) == columns.end()) {
      return {std::nullopt, "不是宠物记录表格：缺少列 “" + column.chinese + "”"};
    }
  }

  BookFile file;
  for (auto row = header + 1; row != rows.end(); ++row) {
    if (IsBlank(*row)) continue;
    const std::string where = "第 " + NumberText(static_cast<std::int32_t>(row->line)) + " 行";
    if (!row->closed) {
      file.problems.push_back({where, "引号没有闭合"});
      continue;
    }
    if (row->fields.size() != columns.size()) {
      file.problems.push_back({where, "列数与标题行不符"});
      continue;
    }
    Record record;
    record.made = record.changed = now;
    std::string problem;
    for (std::size_t i = 0; i < columns.size() && problem.empty(); ++i) {
      if (columns[i] != nullptr) problem = ReadCell(*columns[i], row->fields[i], now, record);
    }
    if (problem.empty()) problem = Computable(record);
    if (problem.empty()) {
      file.records.push_back(std::move(record));
    } else {
      file.problems.push_back({where, problem});
    }
  }
  return {std::move(file), {}};
}

}  // namespace petcalc::book

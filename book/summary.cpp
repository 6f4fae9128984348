#include "book/summary.h"

#include "runtime/utf8.h"

namespace petcalc::book {
namespace {

std::string Name(form::TextBox box) { return ToUtf8(box.description().accessible_name); }

// Each value of the window a record holds: its name, and the number behind it, whole numbers and
// ten-thousandths alike as ten-thousandths, so that differences are taken one way.
struct Value {
  std::string name;
  std::optional<std::int64_t> ten_thousandths;
};

std::vector<Value> ValuesOf(const Record& record) {
  std::vector<Value> values;
  for (std::size_t i = 0; i < form::kStatBoxCount; ++i) {
    values.push_back({Name(form::StatBox(i)), record.stats[i] * std::int64_t{10000}});
  }
  for (std::size_t i = 0; i < form::kGrownStatCount; ++i) {
    values.push_back({Name(form::kGrownStats[i].growth), record.growth.per_level[i]});
  }
  values.push_back({Name(form::kSumRows[0].box), record.growth.three_stat});
  values.push_back({Name(form::kSumRows[1].box), record.growth.total});
  const bool predicted = record.target_level.has_value();
  values.push_back(
      {Name(form::kTargetLevelBox),
       predicted ? std::optional(*record.target_level * std::int64_t{10000}) : std::nullopt});
  for (std::size_t i = 0; i < form::kGrownStatCount; ++i) {
    values.push_back(
        {Name(form::kGrownStats[i].prediction),
         predicted ? std::optional(record.prediction[i] * std::int64_t{10000}) : std::nullopt});
  }
  return values;
}

std::string Text(const Value& value) {
  if (!value.ten_thousandths) return "—";
  return ToUtf8(GrowthText(*value.ten_thousandths));
}

std::string Joined(const std::vector<Value>& values, std::size_t first, std::size_t count) {
  std::string line;
  for (std::size_t i = first; i < first + count; ++i) {
    if (i > first) line += "，";
    line += values[i].name + " " + Text(values[i]);
  }
  return line;
}

}  // namespace

std::string Summary(const Record& record) {
  const std::vector<Value> values = ValuesOf(record);
  const std::size_t growths = form::kStatBoxCount;
  const std::size_t target = growths + form::kGrownStatCount + 2;
  std::string text = (record.name.empty() ? "未命名的宠物" : record.name) + "（宠物记录）\n";
  text += Joined(values, 0, form::kStatCount) + "\n";
  text += Joined(values, form::kStatCount, form::kStatCount) + "\n";
  text += Joined(values, growths, form::kGrownStatCount + 2) + "\n";
  if (record.target_level) {
    text += values[target].name + " " + Text(values[target]) + "：" +
            Joined(values, target + 1, form::kGrownStatCount) + "\n";
  }
  if (!record.note.empty()) text += "备注：" + record.note + "\n";
  return text;
}

std::vector<ComparedValue> Compare(const std::vector<const Record*>& records) {
  std::vector<ComparedValue> compared;
  if (records.empty()) return compared;
  std::vector<std::vector<Value>> values;
  values.reserve(records.size());
  for (const Record* record : records) values.push_back(ValuesOf(*record));
  for (std::size_t row = 0; row < values[0].size(); ++row) {
    ComparedValue value{values[0][row].name, {}, {}};
    const std::optional<std::int64_t> first = values[0][row].ten_thousandths;
    for (std::size_t i = 0; i < values.size(); ++i) {
      value.values.push_back(Text(values[i][row]));
      if (i == 0) continue;
      const std::optional<std::int64_t> other = values[i][row].ten_thousandths;
      if (!first || !other) {
        value.differences.push_back("—");
      } else {
        const std::int64_t difference = *other - *first;
        std::string text(difference > 0 ? "+" : "");
        value.differences.push_back(text.append(ToUtf8(GrowthText(difference))));
      }
    }
    compared.push_back(std::move(value));
  }
  return compared;
}

}  // namespace petcalc::book

#include "book/text_checks.h"

#include <optional>

#include "book/book.h"
#include "book/utf8_text.h"

namespace petcalc::book {

namespace {

bool Allowed(char c, TextKind kind) {
  const bool control = static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
  return !control || (kind == TextKind::kNote && (c == '\n' || c == '\t'));
}

std::size_t LimitOf(TextKind kind) {
  return kind == TextKind::kName ? kMaxNameLength : kMaxNoteLength;
}

}  // namespace

std::string CheckText(std::string_view text, TextKind kind) {
  const std::optional<std::size_t> characters = CharactersOf(text);
  if (!characters) return "文字编码有误";
  if (*characters > LimitOf(kind)) {
    return (kind == TextKind::kName ? "名字太长（最多 " : "备注太长（最多 ") +
           NumberText(static_cast<std::int32_t>(LimitOf(kind))) + " 个字）";
  }
  for (const char c : text) {
    if (!Allowed(c, kind)) return "含有控制字符";
  }
  return {};
}

std::string CleanText(std::string_view text, TextKind kind) {
  std::string clean;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') continue;
    if (Allowed(text[at], kind)) clean += text[at];
  }
  return CutToCharacters(clean, LimitOf(kind));
}

std::string Computable(Record& record) {
  if (Compute(record)) return {};
  if (!GrowthOf(record.stats)) return "这些属性算不出成长率（初始等级与当前等级相同，或数值溢出）";
  return "这个预测等级无法预测（与初始等级相同，或数值溢出）";
}

}  // namespace petcalc::book

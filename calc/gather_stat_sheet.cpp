#include "calc/gather_stat_sheet.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/dialog_title.h"
#include "core/stat_sheet.h"
#include "core/text.h"
#include "core/val.h"
#include "core/whole_number.h"
#include "runtime/forms_runtime.h"

namespace petcalc {
namespace {

struct InputField {
  std::string_view box;
  std::int32_t StatSheet::*field;
  std::u16string StatSheet::*answer;
  std::u16string_view prompt;
};

constexpr std::array<InputField, 12> kInputFields{{
    {"Text1", &StatSheet::a1, &StatSheet::a, u"请在输入初始等级"},
    {"Text2", &StatSheet::a2, &StatSheet::b, u"请在输入初始体力"},
    {"Text3", &StatSheet::a3, &StatSheet::c, u"请在输入初始攻击"},
    {"Text4", &StatSheet::a4, &StatSheet::d, u"请在输入初始防御"},
    {"Text5", &StatSheet::a5, &StatSheet::e, u"请在输入初始敏捷"},
    {"Text6", &StatSheet::a6, &StatSheet::f, u"请在输入初始灵感"},
    {"Text7", &StatSheet::b1, &StatSheet::g, u"请在输入当前等级"},
    {"Text8", &StatSheet::b2, &StatSheet::h, u"请在输入当前体力"},
    {"Text9", &StatSheet::b3, &StatSheet::i, u"请在输入当前攻击"},
    {"Text10", &StatSheet::b4, &StatSheet::j, u"请在输入当前防御"},
    {"Text11", &StatSheet::b5, &StatSheet::k, u"请在输入当前敏捷"},
    {"Text12", &StatSheet::b6, &StatSheet::l, u"请在输入当前灵感"},
}};

void GatherField(FormsRuntime& form, StatSheet& sheet, const InputField& input) {
  const std::u16string text = form.GetText(input.box);
  if (!IsEmptyText(text)) {
    sheet.*input.field = ToInt32(Val(text));
    return;
  }
  sheet.*input.answer = form.InputBox(input.prompt, kDialogTitle);
  sheet.*input.field = ToInt32(Val(sheet.*input.answer));
  form.SetText(input.box, Int32ToText(sheet.*input.field));
}

}  // namespace

void GatherStatSheet(FormsRuntime& form, StatSheet& sheet) {
  for (const InputField& input : kInputFields) GatherField(form, sheet, input);
}

}  // namespace petcalc

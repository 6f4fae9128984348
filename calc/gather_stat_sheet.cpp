#include "calc/gather_stat_sheet.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/dialog_title.h"
#include "calc/stat_sheet.h"
#include "core/text.h"
#include "core/val.h"
#include "core/whole_number.h"
#include "form/controls.h"
#include "runtime/forms_runtime.h"

namespace petcalc {
namespace {

struct InputField {
  form::TextBox box;
  std::int32_t StatSheet::*field;
  std::u16string StatSheet::*answer;
  std::u16string_view prompt;
};

constexpr std::array<InputField, 12> kInputFields{{
    {form::Text1, &StatSheet::a1, &StatSheet::a, u"请在输入初始等级"},
    {form::Text2, &StatSheet::a2, &StatSheet::b, u"请在输入初始体力"},
    {form::Text3, &StatSheet::a3, &StatSheet::c, u"请在输入初始攻击"},
    {form::Text4, &StatSheet::a4, &StatSheet::d, u"请在输入初始防御"},
    {form::Text5, &StatSheet::a5, &StatSheet::e, u"请在输入初始敏捷"},
    {form::Text6, &StatSheet::a6, &StatSheet::f, u"请在输入初始灵感"},
    {form::Text7, &StatSheet::b1, &StatSheet::g, u"请在输入当前等级"},
    {form::Text8, &StatSheet::b2, &StatSheet::h, u"请在输入当前体力"},
    {form::Text9, &StatSheet::b3, &StatSheet::i, u"请在输入当前攻击"},
    {form::Text10, &StatSheet::b4, &StatSheet::j, u"请在输入当前防御"},
    {form::Text11, &StatSheet::b5, &StatSheet::k, u"请在输入当前敏捷"},
    {form::Text12, &StatSheet::b6, &StatSheet::l, u"请在输入当前灵感"},
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

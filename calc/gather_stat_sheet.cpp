#include "calc/gather_stat_sheet.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "calc/dialog_title.h"
#include "calc/stat_fields.h"
#include "calc/stat_sheet.h"
#include "core/text.h"
#include "core/val.h"
#include "core/whole_number.h"
#include "form/stats.h"
#include "runtime/forms_runtime.h"

namespace petcalc {
namespace {

// Each prompt asks for its box by the box's name: 请在输入初始等级.
constexpr std::u16string_view kPromptLead = u"请在输入";

void GatherField(FormsRuntime& form, form::TextBox box, std::int32_t& field,
                 std::u16string& answer) {
  const std::u16string text = form.GetText(box);
  if (!IsEmptyText(text)) {
    field = ToInt32(Val(text));
    return;
  }
  const std::u16string prompt =
      std::u16string(kPromptLead).append(box.description().accessible_name);
  answer = form.InputBox(prompt, kDialogTitle);
  field = ToInt32(Val(answer));
  form.SetText(box, Int32ToText(field));
}

}  // namespace

void GatherStatSheet(FormsRuntime& form, StatSheet& sheet) {
  for (std::size_t index = 0; index < form::kStatBoxCount; ++index) {
    const GatheredField field = GatheredFieldOf(index);
    GatherField(form, form::StatBox(index), sheet.*field.value, sheet.*field.answer);
  }
}

}  // namespace petcalc

// Whole clicks on one persisting window: the fuzzer's data types into the thirteen input boxes,
// answers the prompts and clicks both buttons in any order, and after every click the
// invariants of the window are checked.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "calc/click_actions.h"
#include "calc/stat_sheet.h"
#include "core/currency.h"
#include "core/whole_number.h"
#include "form/stats.h"
#include "fuzz/fuzz_check.h"
#include "runtime/utf8.h"
#include "tests/support/boxes.h"
#include "tests/support/scripted_runtime.h"

namespace {

using namespace petcalc;
using petcalc::ToUtf8;
using petcalc::testing::ScriptedRuntime;

// The twelve stat boxes, then the target level's.
constexpr auto kInputBoxes =
    petcalc::testing::boxes::Boxes<form::kStatBoxCount + 1>([](std::size_t i) {
      return i < form::kStatBoxCount ? form::StatBox(i) : form::kTargetLevelBox;
    });

// Characters weighted towards numbers, with the corners that matter: signs, radix prefixes,
// exponent letters, separators, full-width and invisible characters, NUL and a lone surrogate.
constexpr std::u16string_view kAlphabet =
    u"0123456789012345678901234567890123456789..--++ eEdD&HhOoFf,x\t\n\r"
    u"１２．－\u3000\u200F\uFEFF\0\xD800";

std::u16string DrawText(FuzzedDataProvider& data) {
  const std::string picks = data.ConsumeRandomLengthString(24);
  std::u16string text;
  for (unsigned char pick : picks) text.push_back(kAlphabet[pick % kAlphabet.size()]);
  return text;
}

struct Snapshot {
  std::array<std::u16string, kInputBoxes.size()> inputs;
  int empty_stat_boxes = 0;
};

Snapshot Take(const ScriptedRuntime& form) {
  Snapshot snapshot;
  for (std::size_t i = 0; i < kInputBoxes.size(); ++i) {
    snapshot.inputs[i] = form.Box(kInputBoxes[i]);
    if (i < form::kStatBoxCount && snapshot.inputs[i].empty()) ++snapshot.empty_stat_boxes;
  }
  return snapshot;
}

int Count(const std::vector<std::string>& log, std::string_view prefix) {
  int count = 0;
  for (const std::string& entry : log) count += entry.starts_with(prefix) ? 1 : 0;
  return count;
}

void CheckCommonInvariants(const ScriptedRuntime& form, const Snapshot& before) {
  const std::vector<std::string>& log = form.Log();
  FUZZ_CHECK(Count(log, "set Text13 ") == 0 && form.Box(form::Text13).empty());
  FUZZ_CHECK(Count(log, "set Text41 ") == 0);
  for (std::size_t i = 0; i < kInputBoxes.size(); ++i) {
    if (!before.inputs[i].empty()) FUZZ_CHECK(form.Box(kInputBoxes[i]) == before.inputs[i]);
  }
  FUZZ_CHECK(Count(log, "InputBox ") <= before.empty_stat_boxes);
  const int errors = Count(log, "error ");
  FUZZ_CHECK(errors <= 1);
  if (errors == 1) {
    FUZZ_CHECK(log.back() == petcalc::testing::kOverflowEntry);
  } else {
    for (std::size_t i = 0; i < form::kStatBoxCount; ++i)
      FUZZ_CHECK(!form.Box(kInputBoxes[i]).empty());
  }
}

bool EndedWithError(const ScriptedRuntime& form) {
  return !form.Log().empty() && form.Log().back().starts_with("error ");
}

void CheckGrowthClick(const ScriptedRuntime& form, const StatSheet& sheet) {
  if (EndedWithError(form)) return;
  const std::int64_t three =
      sheet.growthAttack.units() + sheet.growthDefence.units() + sheet.growthAgility.units();
  FUZZ_CHECK(sheet.threeStatGrowth.units() == three);
  FUZZ_CHECK(sheet.totalGrowth.units() == three + sheet.growthInspiration.units());
  FUZZ_CHECK(form.Box(form::Text25) == CurrencyToText(sheet.threeStatGrowth));
  FUZZ_CHECK(form.Box(form::Text26) == CurrencyToText(sheet.totalGrowth));
  if (Count(form.Log(), "MsgBox ") == 0) {
    FUZZ_CHECK(form.Box(form::Text14) == CurrencyToText(sheet.growthStamina));
    FUZZ_CHECK(form.Box(form::Text18) == CurrencyToText(sheet.growthInspiration));
  }
}

void CheckPredictionClick(const ScriptedRuntime& form, const StatSheet& sheet) {
  int writes = 0;
  for (std::string_view box :
       {"set Text42 ", "set Text43 ", "set Text44 ", "set Text45 ", "set Text46 "}) {
    writes += Count(form.Log(), box);
  }
  FUZZ_CHECK(writes == 0 || writes == 5);
  if (writes == 5) {
    FUZZ_CHECK(form.Box(form::Text42) == Int32ToText(sheet.predStamina));
    FUZZ_CHECK(form.Box(form::Text46) == Int32ToText(sheet.predInspiration));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  ScriptedRuntime form;
  StatSheet sheet;
  while (data.remaining_bytes() > 0) {
    switch (data.ConsumeIntegralInRange(0, 4)) {
      case 0:
      case 1:
        form.Type(kInputBoxes[data.ConsumeIntegralInRange<std::size_t>(0, kInputBoxes.size() - 1)],
                  DrawText(data));
        break;
      case 2:
        form.Type(kInputBoxes[data.ConsumeIntegralInRange<std::size_t>(0, kInputBoxes.size() - 1)],
                  u"");
        break;
      default: {
        const bool growth = data.ConsumeBool();
        const Snapshot before = Take(form);
        for (int i = 0; i < before.empty_stat_boxes; ++i) form.QueueAnswer(DrawText(data));
        form.ClearLog();
        if (growth) {
          Command1Click(form, sheet);
          CheckGrowthClick(form, sheet);
        } else {
          Command2Click(form, sheet);
          CheckPredictionClick(form, sheet);
        }
        CheckCommonInvariants(form, before);
        while (form.PendingAnswers() > 0) form.InputBox(u"", u"");  // drop unused answers
        break;
      }
    }
  }
  return 0;
}

// The page's one window: its calculator over the page's runtime, the click the page's buttons
// call, the sheet handed to the page to keep and taken back from it, and each finished click told
// to the page for its book.
#include <emscripten/emscripten.h>

#include <string>

#include "calc/calculator.h"
#include "form/controls.h"
#include "web/keeping_runtime.h"
#include "web/web_runtime.h"

// clang-format off
EM_JS(void, petcalc_keep_sheet, (const char16_t* saved, int length), {
  Module.page.keepSheet(petcalcRead(saved, length));
});

EM_JS(int, petcalc_kept_sheet_length, (), { return Module.page.keptSheet().length; });

EM_JS(void, petcalc_copy_kept_sheet, (char16_t* out), { petcalcCopy(Module.page.keptSheet(), out); });

EM_JS(void, petcalc_finished, (int growth, const std::int32_t* stats, int count, int target), {
  Module.page.finished(growth ? 'growth' : 'prediction',
                       Array.from(HEAP32.subarray(stats >> 2, (stats >> 2) + count)), target);
});
// clang-format on

namespace {

void KeepSheet();

class PageObserver : public petcalc::ClickObserver {
 public:
  void Finished(const petcalc::FinishedClick& click) noexcept override {
    petcalc_finished(click.kind == petcalc::FinishedClick::Kind::kGrowth ? 1 : 0,
                     click.stats.data(), static_cast<int>(click.stats.size()), click.target_level);
  }
};

petcalc::web::WebRuntime page;
petcalc::web::KeepingRuntime runtime(page, KeepSheet);
PageObserver observer;
petcalc::Calculator calculator(runtime, &observer);

void KeepSheet() {
  const std::u16string saved = calculator.Saved();
  petcalc_keep_sheet(saved.data(), static_cast<int>(saved.size()));
}

}  // namespace

// A click on the control of table row `row`; the page awaits it (ccall with async), and starts
// no other click until it ends. A row the table does not have is no control, and does nothing.
// The sheet is handed to the page at its end.
extern "C" EMSCRIPTEN_KEEPALIVE void petcalc_click(int row) {
  if (row < 0 || static_cast<std::size_t>(row) >= petcalc::form::kControlCount) return;
  calculator.Click(petcalc::form::Control::AtRow(static_cast<std::size_t>(row)));
  KeepSheet();
}

// Takes back the sheet the page kept, if it is one the calculator reads back; otherwise the sheet
// starts afresh. Gives 1 when the sheet was taken back.
extern "C" EMSCRIPTEN_KEEPALIVE int petcalc_restore() {
  std::u16string kept(static_cast<std::size_t>(petcalc_kept_sheet_length()), u'\0');
  petcalc_copy_kept_sheet(kept.data());
  return calculator.Restore(kept) ? 1 : 0;
}

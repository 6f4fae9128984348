// The page's one window: its StatSheet and its runtime, and the click the page's buttons call.
#include <emscripten/emscripten.h>

#include "calc/click_actions.h"
#include "core/stat_sheet.h"
#include "form/controls.h"
#include "web/web_runtime.h"

namespace {

petcalc::StatSheet sheet;
petcalc::web::WebRuntime runtime;

}  // namespace

// A click on the control of table row `row`; the page awaits it (ccall with async), and starts
// no other click until it ends. A row the table does not have is no control, and does nothing.
extern "C" EMSCRIPTEN_KEEPALIVE void petcalc_click(int row) {
  if (row < 0 || static_cast<std::size_t>(row) >= petcalc::form::kControlCount) return;
  petcalc::Click(petcalc::form::Control::AtRow(static_cast<std::size_t>(row)), runtime, sheet);
}

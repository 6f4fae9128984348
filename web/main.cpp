// The page's one window: its calculator over the page's runtime, and the click the page's
// buttons call.
#include <emscripten/emscripten.h>

#include "calc/calculator.h"
#include "form/controls.h"
#include "web/web_runtime.h"

namespace {

petcalc::web::WebRuntime runtime;
petcalc::Calculator calculator(runtime);

}  // namespace

// A click on the control of table row `row`; the page awaits it (ccall with async), and starts
// no other click until it ends. A row the table does not have is no control, and does nothing.
extern "C" EMSCRIPTEN_KEEPALIVE void petcalc_click(int row) {
  if (row < 0 || static_cast<std::size_t>(row) >= petcalc::form::kControlCount) return;
  calculator.Click(petcalc::form::Control::AtRow(static_cast<std::size_t>(row)));
}

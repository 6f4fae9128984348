#pragma once

#include "tests/support/scenarios.h"
#include "tests/win32/fixture.h"

namespace petcalc::win32::testing {

// Has `answerer` answer the next real dialog of the Windows window as `expected` says, after
// checking it: a prompt's text under the dialog title, its empty field, 确定 and 取消; a
// message's or an error's text, title, icon and one 确定. A held Enter first is posted on one
// tick of the answerer and the prompt answered on the next, so the dialog's own loop has read
// the repeat in between.
void ExpectDialog(DialogAnswerer& answerer, const petcalc::testing::Dialog& expected);

}  // namespace petcalc::win32::testing

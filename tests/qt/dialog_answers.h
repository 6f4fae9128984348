#pragma once

#include "tests/support/scenarios.h"

class QWidget;

namespace petcalc::testing {

// Answers a real modal dialog of the Qt window as `expected` says, after checking it: a prompt's
// text under the dialog title, its empty field, 确定 and 取消; a message's or an error's text,
// title, icon and one 确定.
void AnswerDialog(QWidget* modal, const Dialog& expected);

}  // namespace petcalc::testing

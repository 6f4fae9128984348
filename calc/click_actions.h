#pragma once

#include "form/controls.h"

namespace petcalc {

class FormsRuntime;
struct StatSheet;

// What the two buttons do. Each gathers the twelve stats, then runs its calculation. Neither
// lets an exception out: a CalcError ends the click at the failing step and is reported with
// ErrorText, any other failure (of the window, of memory) with FailureText. What was stored and
// shown before it stays, and the sheet remains usable for the next click. Each gives whether the
// click ended with its results: neither refused nor ended by an error.

// "计 算": GatherStatSheet, then ComputeGrowth.
bool Command1Click(FormsRuntime& form, StatSheet& sheet) noexcept;
// "预 测": GatherStatSheet, then PredictStats.
bool Command2Click(FormsRuntime& form, StatSheet& sheet) noexcept;

// Which button runs which click, for every front end: a click on form::Command1 runs
// Command1Click, on form::Command2 Command2Click; on any other control, nothing (false).
bool Click(form::Control clicked, FormsRuntime& form, StatSheet& sheet) noexcept;

}  // namespace petcalc

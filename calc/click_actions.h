#pragma once

namespace petcalc {

class FormsRuntime;
struct StatSheet;

// What the two buttons do. Each gathers the twelve stats, then runs its calculation. A
// CalcError ends the click at the failing step and is reported through the runtime; what was
// stored and shown before it stays, and the sheet remains usable for the next click.

// "计 算": GatherStatSheet, then ComputeGrowth.
void Command1Click(FormsRuntime& form, StatSheet& sheet);
// "预 测": GatherStatSheet, then PredictStats.
void Command2Click(FormsRuntime& form, StatSheet& sheet);

}  // namespace petcalc

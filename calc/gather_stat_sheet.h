#pragma once

namespace petcalc {

class FormsRuntime;
struct StatSheet;

// Fills a1..a6 and b1..b6 from Text1..Text12, strictly one box after another. A box holding any
// text is read with Val and rounded (ToInt32) and keeps its text exactly as typed. An empty box
// is asked for with InputBox (its own prompt, the shared title); the answer is kept in the
// box's answer slot, rounded the same way, and written back as Int32ToText before the next box
// is read. A value outside the 32-bit range raises CalcError::Overflow() at its box: earlier
// fields and write-backs stay, the failing field and its box are left as they were.
void GatherStatSheet(FormsRuntime& form, StatSheet& sheet);

}  // namespace petcalc

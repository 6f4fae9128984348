#pragma once

namespace petcalc {

class FormsRuntime;
struct StatSheet;

// The growth calculation, run after GatherStatSheet by the "计 算" click.
// 1. Refusal test: reads Text1 and Text7 and evaluates all three conditions (Text7 empty,
//    Text1 empty, b1 - a1 == 0 by CheckedSub32) before deciding.
// 2. On refusal shows "对不起无法计算" and goes on to the sums with the stored growth values.
// 3. Otherwise stores levelGain = b1 - a1, then for Stamina, Attack, Defence, Agility and
//    Inspiration in turn stores ToCurrency((b - a) ÷ levelGain) and writes its box
//    (Text14..Text18) at once.
// 4. Stores and writes threeStatGrowth (Text25) and totalGrowth (Text26), added by CurrencyAdd
//    left to right from the stored values. Stamina growth enters neither sum.
// A CalcError ends the calculation at the failing step; every store and write before it stays.
// Gives whether the growth values were computed: false after the refusal.
bool ComputeGrowth(FormsRuntime& form, StatSheet& sheet);

}  // namespace petcalc

#pragma once

namespace petcalc {

class FormsRuntime;
struct StatSheet;

// The level prediction, run after GatherStatSheet by the "预 测" click.
// 1. Text41 empty: shows "开什么玩笑 仔细检查预测等级" and ends. Otherwise targetLevel =
//    ToInt32(Val(text)); Text41 keeps its text.
// 2. Forms the target span (targetLevel - a1) and the level span (b1 - a1), both checked, both
//    before the test; either span zero: shows "对不起无法预测" and ends.
// 3. For Stamina, Attack, Defence, Agility and Inspiration in turn stores
//    ToInt32((b - a) × target span ÷ level span + a), the product checked in 32 bits and the
//    rest in double precision.
// 4. Only after all five are stored, writes them to Text42..Text46 with Int32ToText.
// A CalcError leaves the results stored before it and all five boxes unchanged. Gives whether
// the five were predicted: false after either message.
bool PredictStats(FormsRuntime& form, StatSheet& sheet);

}  // namespace petcalc

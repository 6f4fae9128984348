#pragma once

#include <string>
#include <vector>

#include "book/record.h"

namespace petcalc::book {

// A record as plain text for a chat or the clipboard, in Chinese, one line for each of the
// window's rows, each value under the window's name for its box:
//   小白（宠物记录）
//   初始等级 1，初始体力 50，初始攻击 20，初始防御 30，初始敏捷 10，初始灵感 10
//   当前等级 11，…
//   体力成长率 2.5，…，三围成长 8，总成长 10
//   预测等级 21：预测体力 100，…
//   备注：…
std::string Summary(const Record& record);

// Two to four records side by side: for each of the window's values, its text in each record and
// its difference to the first's (+2, -0.5, 0).
struct ComparedValue {
  std::string name;                      // the window's name for its box: 初始体力
  std::vector<std::string> values;       // one a record
  std::vector<std::string> differences;  // one a record after the first
};
std::vector<ComparedValue> Compare(const std::vector<const Record*>& records);

}  // namespace petcalc::book

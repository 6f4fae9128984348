#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "form/twips.h"

namespace petcalc::form {

enum class ControlKind { kLabel, kTextBox, kPushButton, kPicture };

// Which of the window's two fonts a control shows its text in.
enum class FontRole { kInterface, kButton };

inline constexpr int kNoTabStop = -1;

struct ControlRow {
  std::string_view name;
  ControlKind kind;
  TwipRect rect;
  std::u16string_view caption;
  int tab_index;
  bool read_only;  // text boxes only the program writes
  bool auto_size;  // labels sized to fit their caption, keeping left and top
  FontRole font;
  // What a screen reader announces for a box (the row's meaning and the column), a button (its
  // caption) or the picture; a label is announced by its caption.
  std::u16string_view accessible_name;
};

// The window's name, as its toolkit objects are named, and its title.
inline constexpr std::string_view kForm1Name = "Form1";
inline constexpr std::u16string_view kForm1Title = u"Tenvo宠物成长计算器0.5";
inline constexpr int kForm1ClientWidth = 6135;
inline constexpr int kForm1ClientHeight = 2820;

namespace table {

constexpr ControlKind kLabel = ControlKind::kLabel;
constexpr ControlKind kBox = ControlKind::kTextBox;
constexpr ControlKind kButton = ControlKind::kPushButton;
constexpr ControlKind kPicture = ControlKind::kPicture;
constexpr bool kRO = true;
constexpr bool kAuto = true;
constexpr FontRole kUi = FontRole::kInterface;
constexpr FontRole kBold = FontRole::kButton;

}  // namespace table

// Every control of the window, in layout order from top to bottom: the window's whole
// description, which each front end draws. Nothing else positions a control.
// clang-format off
inline constexpr auto kForm1Controls = [] {
  using namespace table;
  return std::to_array<ControlRow>({
    // name       kind      left  top   width height  caption    tab  RO     auto   font  accessible
    {"Label1",   kLabel,  {960,  120,  855, 255}, u"等  级",   26, false, false, kUi, u""},
    {"Label2",   kLabel,  {1800, 120,  855, 255}, u"体  力",   28, false, false, kUi, u""},
    {"Label3",   kLabel,  {2640, 120,  855, 255}, u"攻  击",   30, false, false, kUi, u""},
    {"Label4",   kLabel,  {3480, 120,  855, 255}, u"防  御",   31, false, false, kUi, u""},
    {"Label5",   kLabel,  {4320, 120,  855, 255}, u"敏  捷",   32, false, false, kUi, u""},
    {"Label6",   kLabel,  {5160, 120,  855, 255}, u"灵  感",   33, false, false, kUi, u""},
    {"Label7",   kLabel,  {120,  540,  735, 180}, u"当前数据", 39, false, kAuto, kUi, u""},
    {"Text1",    kBox,    {960,  480,  855, 270}, u"",          1, false, false, kUi, u"初始等级"},
    {"Text2",    kBox,    {1800, 480,  855, 270}, u"",          2, false, false, kUi, u"初始体力"},
    {"Text3",    kBox,    {2640, 480,  855, 270}, u"",          3, false, false, kUi, u"初始攻击"},
    {"Text4",    kBox,    {3480, 480,  855, 270}, u"",          4, false, false, kUi, u"初始防御"},
    {"Text5",    kBox,    {4320, 480,  855, 270}, u"",          5, false, false, kUi, u"初始敏捷"},
    {"Text6",    kBox,    {5160, 480,  855, 270}, u"",          6, false, false, kUi, u"初始灵感"},
    {"Label8",   kLabel,  {120,  900,  735, 180}, u"当前数据", 34, false, kAuto, kUi, u""},
    {"Text7",    kBox,    {960,  840,  855, 270}, u"",          7, false, false, kUi, u"当前等级"},
    {"Text8",    kBox,    {1800, 840,  855, 270}, u"",          8, false, false, kUi, u"当前体力"},
    {"Text9",    kBox,    {2640, 840,  855, 270}, u"",          9, false, false, kUi, u"当前攻击"},
    {"Text10",   kBox,    {3480, 840,  855, 270}, u"",         10, false, false, kUi, u"当前防御"},
    {"Text11",   kBox,    {4320, 840,  855, 270}, u"",         11, false, false, kUi, u"当前敏捷"},
    {"Text12",   kBox,    {5160, 840,  855, 270}, u"",         12, false, false, kUi, u"当前灵感"},
    {"Label9",   kLabel,  {120,  1260, 735, 180}, u"成 长 率", 35, false, kAuto, kUi, u""},
    {"Text13",   kBox,    {960,  1200, 855, 270}, u"",         15, kRO,   false, kUi, u"等级成长率"},
    {"Text14",   kBox,    {1800, 1200, 855, 270}, u"",         16, kRO,   false, kUi, u"体力成长率"},
    {"Text15",   kBox,    {2640, 1200, 855, 270}, u"",         17, kRO,   false, kUi, u"攻击成长率"},
    {"Text16",   kBox,    {3480, 1200, 855, 270}, u"",         18, kRO,   false, kUi, u"防御成长率"},
    {"Text17",   kBox,    {4320, 1200, 855, 270}, u"",         19, kRO,   false, kUi, u"敏捷成长率"},
    {"Text18",   kBox,    {5160, 1200, 855, 270}, u"",         20, kRO,   false, kUi, u"灵感成长率"},
    {"Label10",  kLabel,  {120,  1620, 735, 180}, u"预测数据", 36, false, kAuto, kUi, u""},
    {"Text41",   kBox,    {960,  1560, 855, 270}, u"",         13, false, false, kUi, u"预测等级"},
    {"Text42",   kBox,    {1800, 1560, 855, 270}, u"",         21, kRO,   false, kUi, u"预测体力"},
    {"Text43",   kBox,    {2640, 1560, 855, 270}, u"",         22, kRO,   false, kUi, u"预测攻击"},
    {"Text44",   kBox,    {3480, 1560, 855, 270}, u"",         23, kRO,   false, kUi, u"预测防御"},
    {"Text45",   kBox,    {4320, 1560, 855, 270}, u"",         24, kRO,   false, kUi, u"预测敏捷"},
    {"Text46",   kBox,    {5160, 1560, 855, 270}, u"",         25, kRO,   false, kUi, u"预测灵感"},
    {"Image1",   kPicture,{2160, 1800, 1695, 855}, u"", kNoTabStop, false, false, kUi, u"Tenvo标志"},
    {"Command1", kButton, {3960, 1920, 975, 855}, u"计 算",     0, false, false, kBold, u"计 算"},
    {"Command2", kButton, {5040, 1920, 975, 855}, u"预 测",    14, false, false, kBold, u"预 测"},
    {"Label11",  kLabel,  {120,  2100, 735, 180}, u"三围成长", 37, false, kAuto, kUi, u""},
    {"Text25",   kBox,    {960,  2040, 1095, 270}, u"",        27, kRO,   false, kUi, u"三围成长"},
    {"Label12",  kLabel,  {120,  2460, 735, 180}, u"总 成 长", 38, false, kAuto, kUi, u""},
    {"Text26",   kBox,    {960,  2400, 1095, 270}, u"",        29, kRO,   false, kUi, u"总成长"},
  });
}();
// clang-format on

inline constexpr std::size_t kControlCount = kForm1Controls.size();

namespace table {

constexpr bool NamesAreUnique() {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    for (std::size_t j = i + 1; j < kControlCount; ++j) {
      if (kForm1Controls[i].name == kForm1Controls[j].name) return false;
    }
  }
  return true;
}

constexpr bool TabIndicesAreUnique() {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    for (std::size_t j = i + 1; j < kControlCount; ++j) {
      if (kForm1Controls[i].tab_index != kNoTabStop &&
          kForm1Controls[i].tab_index == kForm1Controls[j].tab_index) {
        return false;
      }
    }
  }
  return true;
}

constexpr bool IsWholePixels(int twips) { return twips % kTwipsPerPixel == 0; }

constexpr bool EveryRectangleIsWholePixels() {
  for (const ControlRow& row : kForm1Controls) {
    const TwipRect r = row.rect;
    if (!IsWholePixels(r.left) || !IsWholePixels(r.top) || !IsWholePixels(r.width) ||
        !IsWholePixels(r.height)) {
      return false;
    }
  }
  return IsWholePixels(kForm1ClientWidth) && IsWholePixels(kForm1ClientHeight);
}

}  // namespace table

static_assert(table::NamesAreUnique(), "two controls share a name");
static_assert(table::TabIndicesAreUnique(), "two controls share a tab index");
static_assert(table::EveryRectangleIsWholePixels(), "a measure is not a whole pixel at 96 dpi");

}  // namespace petcalc::form

#include "ui/control_table.h"

namespace petcalc::ui {
namespace {

constexpr ControlKind kLabel = ControlKind::kLabel;
constexpr ControlKind kBox = ControlKind::kTextBox;
constexpr ControlKind kButton = ControlKind::kPushButton;
constexpr ControlKind kPicture = ControlKind::kPicture;
constexpr bool kRO = true;
constexpr bool kAuto = true;

}  // namespace

// clang-format off
const std::array<ControlRow, 41> kForm1Controls{{
    // name       kind     left  top   width height  caption      tab  RO     auto   accessible
    {"Label1",   kLabel,  {960,  120,  855, 255}, u"等  级",   26, false, false, u""},
    {"Label2",   kLabel,  {1800, 120,  855, 255}, u"体  力",   28, false, false, u""},
    {"Label3",   kLabel,  {2640, 120,  855, 255}, u"攻  击",   30, false, false, u""},
    {"Label4",   kLabel,  {3480, 120,  855, 255}, u"防  御",   31, false, false, u""},
    {"Label5",   kLabel,  {4320, 120,  855, 255}, u"敏  捷",   32, false, false, u""},
    {"Label6",   kLabel,  {5160, 120,  855, 255}, u"灵  感",   33, false, false, u""},
    {"Label7",   kLabel,  {120,  540,  735, 180}, u"当前数据", 39, false, kAuto, u""},
    {"Text1",    kBox,    {960,  480,  855, 270}, u"",          1, false, false, u"初始等级"},
    {"Text2",    kBox,    {1800, 480,  855, 270}, u"",          2, false, false, u"初始体力"},
    {"Text3",    kBox,    {2640, 480,  855, 270}, u"",          3, false, false, u"初始攻击"},
    {"Text4",    kBox,    {3480, 480,  855, 270}, u"",          4, false, false, u"初始防御"},
    {"Text5",    kBox,    {4320, 480,  855, 270}, u"",          5, false, false, u"初始敏捷"},
    {"Text6",    kBox,    {5160, 480,  855, 270}, u"",          6, false, false, u"初始灵感"},
    {"Label8",   kLabel,  {120,  900,  735, 180}, u"当前数据", 34, false, kAuto, u""},
    {"Text7",    kBox,    {960,  840,  855, 270}, u"",          7, false, false, u"当前等级"},
    {"Text8",    kBox,    {1800, 840,  855, 270}, u"",          8, false, false, u"当前体力"},
    {"Text9",    kBox,    {2640, 840,  855, 270}, u"",          9, false, false, u"当前攻击"},
    {"Text10",   kBox,    {3480, 840,  855, 270}, u"",         10, false, false, u"当前防御"},
    {"Text11",   kBox,    {4320, 840,  855, 270}, u"",         11, false, false, u"当前敏捷"},
    {"Text12",   kBox,    {5160, 840,  855, 270}, u"",         12, false, false, u"当前灵感"},
    {"Label9",   kLabel,  {120,  1260, 735, 180}, u"成 长 率", 35, false, kAuto, u""},
    {"Text13",   kBox,    {960,  1200, 855, 270}, u"",         15, kRO,   false, u"等级成长率"},
    {"Text14",   kBox,    {1800, 1200, 855, 270}, u"",         16, kRO,   false, u"体力成长率"},
    {"Text15",   kBox,    {2640, 1200, 855, 270}, u"",         17, kRO,   false, u"攻击成长率"},
    {"Text16",   kBox,    {3480, 1200, 855, 270}, u"",         18, kRO,   false, u"防御成长率"},
    {"Text17",   kBox,    {4320, 1200, 855, 270}, u"",         19, kRO,   false, u"敏捷成长率"},
    {"Text18",   kBox,    {5160, 1200, 855, 270}, u"",         20, kRO,   false, u"灵感成长率"},
    {"Label10",  kLabel,  {120,  1620, 735, 180}, u"预测数据", 36, false, kAuto, u""},
    {"Text41",   kBox,    {960,  1560, 855, 270}, u"",         13, false, false, u"预测等级"},
    {"Text42",   kBox,    {1800, 1560, 855, 270}, u"",         21, kRO,   false, u"预测体力"},
    {"Text43",   kBox,    {2640, 1560, 855, 270}, u"",         22, kRO,   false, u"预测攻击"},
    {"Text44",   kBox,    {3480, 1560, 855, 270}, u"",         23, kRO,   false, u"预测防御"},
    {"Text45",   kBox,    {4320, 1560, 855, 270}, u"",         24, kRO,   false, u"预测敏捷"},
    {"Text46",   kBox,    {5160, 1560, 855, 270}, u"",         25, kRO,   false, u"预测灵感"},
    {"Image1",   kPicture,{2160, 1800, 1695, 855}, u"", kNoTabStop, false, false, u""},
    {"Command1", kButton, {3960, 1920, 975, 855}, u"计 算",     0, false, false, u""},
    {"Command2", kButton, {5040, 1920, 975, 855}, u"预 测",    14, false, false, u""},
    {"Label11",  kLabel,  {120,  2100, 735, 180}, u"三围成长", 37, false, kAuto, u""},
    {"Text25",   kBox,    {960,  2040, 1095, 270}, u"",        27, kRO,   false, u"三围成长"},
    {"Label12",  kLabel,  {120,  2460, 735, 180}, u"总 成 长", 38, false, kAuto, u""},
    {"Text26",   kBox,    {960,  2400, 1095, 270}, u"",        29, kRO,   false, u"总成长"},
}};
// clang-format on

}  // namespace petcalc::ui

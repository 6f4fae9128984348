#pragma once

#include <array>
#include <string_view>

#include "ui/twips.h"

namespace petcalc::ui {

enum class ControlKind { kLabel, kTextBox, kPushButton, kPicture };

inline constexpr int kNoTabStop = -1;

struct ControlRow {
  std::string_view name;
  ControlKind kind;
  TwipRect rect;
  std::u16string_view caption;
  int tab_index;
  bool read_only;  // text boxes only program writes
  bool auto_size;  // labels sized to fit their caption, keeping left and top
  // What a screen reader announces for a box: the row's meaning and the column.
  std::u16string_view accessible_name;
};

inline constexpr std::u16string_view kForm1Title = u"Tenvo宠物成长计算器0.5";
inline constexpr int kForm1ClientWidth = 6135;
inline constexpr int kForm1ClientHeight = 2820;

// Every control of the window, in layout order from top to bottom: the window's whole
// description. Nothing else positions a control.
extern const std::array<ControlRow, 41> kForm1Controls;

}  // namespace petcalc::ui

#pragma once

#include <array>
#include <cstddef>

#include "form/controls.h"

namespace petcalc::form {

// The window as the grid it is, for a front end that lays the same controls out anew (the page,
// for a finger): six stat columns, Level to Inspiration, each headed by its label; four rows of
// boxes, each headed by its label (the stats as obtained, now, their growth, and the prediction
// with its target level); the two sums under the Level column, each headed by its label; the two
// buttons; and the picture. Every control of the window stands in exactly one cell.

inline constexpr std::size_t kStatCount = 6;

struct GridRow {
  Label heading;
  std::array<TextBox, kStatCount> cells;  // Level to Inspiration
};

struct SumRow {
  Label heading;
  TextBox box;
};

inline constexpr std::array<Label, kStatCount> kColumnHeadings = {Label1, Label2, Label3,
                                                                  Label4, Label5, Label6};

inline constexpr std::array<GridRow, 4> kGridRows = {{
    {Label7, {Text1, Text2, Text3, Text4, Text5, Text6}},
    {Label8, {Text7, Text8, Text9, Text10, Text11, Text12}},
    {Label9, {Text13, Text14, Text15, Text16, Text17, Text18}},
    {Label10, {Text41, Text42, Text43, Text44, Text45, Text46}},
}};

inline constexpr std::array<SumRow, 2> kSumRows = {{{Label11, Text25}, {Label12, Text26}}};

inline constexpr std::array<Button, 2> kButtons = {Command1, Command2};

namespace grid {

constexpr TwipRect RectOf(Control control) { return control.description().rect; }
constexpr int Right(TwipRect r) { return r.left + r.width; }
constexpr int Bottom(TwipRect r) { return r.top + r.height; }

// A row's heading stands left of its first cell, within the cells' height.
constexpr bool HeadsItsRow(Label heading, TextBox first) {
  const TwipRect label = RectOf(heading);
  const TwipRect box = RectOf(first);
  return Right(label) <= box.left && label.top >= box.top && label.top < Bottom(box);
}

// Each column of the grid: its heading above it, and every row's cell of that column at the
// heading's left and width; each row: its cells side by side at one top, below the row before.
constexpr bool CellsStandInTheirRowsAndColumns() {
  int previous_bottom = 0;
  for (std::size_t column = 0; column < kStatCount; ++column) {
    previous_bottom = Bottom(RectOf(kColumnHeadings[column]));
    for (const GridRow& row : kGridRows) {
      const TwipRect cell = RectOf(row.cells[column]);
      const TwipRect heading = RectOf(kColumnHeadings[column]);
      if (cell.left != heading.left || cell.width != heading.width) return false;
      if (cell.top < previous_bottom - kTwipsPerPixel) return false;  // borders may be shared
      if (cell.top != RectOf(row.cells[0]).top) return false;
      previous_bottom = Bottom(cell);
    }
  }
  for (const GridRow& row : kGridRows) {
    if (!HeadsItsRow(row.heading, row.cells[0])) return false;
  }
  return true;
}

// The sums stand under the Level column, below the grid, each headed by its label.
constexpr bool SumsStandUnderTheLevelColumn() {
  int previous_bottom = Bottom(RectOf(kGridRows.back().cells[0]));
  for (const SumRow& sum : kSumRows) {
    const TwipRect box = RectOf(sum.box);
    if (box.left != RectOf(kGridRows[0].cells[0]).left || box.top < previous_bottom) return false;
    if (!HeadsItsRow(sum.heading, sum.box)) return false;
    previous_bottom = Bottom(box);
  }
  return true;
}

// The buttons stand side by side below the grid, in tab order from left to right.
constexpr bool ButtonsStandBelowTheGrid() {
  const int grid_bottom = Bottom(RectOf(kGridRows.back().cells[0]));
  const TwipRect first = RectOf(kButtons[0]);
  const TwipRect second = RectOf(kButtons[1]);
  return first.top >= grid_bottom && second.top == first.top && Right(first) <= second.left &&
         kButtons[0].description().tab_index < kButtons[1].description().tab_index;
}

// Every control stands in exactly one cell: a heading, a grid cell, a sum's label or box, a
// button, or the picture.
constexpr bool EveryControlHasOneCell() {
  std::array<int, kControlCount> cells{};
  for (const Label heading : kColumnHeadings) ++cells[heading.row()];
  for (const GridRow& row : kGridRows) {
    ++cells[row.heading.row()];
    for (const TextBox cell : row.cells) ++cells[cell.row()];
  }
  for (const SumRow& sum : kSumRows) {
    ++cells[sum.heading.row()];
    ++cells[sum.box.row()];
  }
  for (const Button button : kButtons) ++cells[button.row()];
  ++cells[Image1.row()];
  for (const int count : cells) {
    if (count != 1) return false;
  }
  return true;
}

}  // namespace grid

static_assert(grid::CellsStandInTheirRowsAndColumns(),
              "a grid cell does not stand in its row and column of the window");
static_assert(grid::SumsStandUnderTheLevelColumn(), "a sum does not stand under the Level column");
static_assert(grid::ButtonsStandBelowTheGrid(), "the buttons do not stand below the grid");
static_assert(grid::EveryControlHasOneCell(), "a control is missing from the grid, or doubled");

}  // namespace petcalc::form

#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "form/control_table.h"

namespace petcalc::form {

// One control of the window: its row of kForm1Controls. Code names a control by the typed
// constants below (form::Text14, form::Command1), each resolved to its row when compiled, so a
// misspelt name does not compile.
class Control {
 public:
  // The first row; for arrays that are filled afterwards.
  constexpr Control() = default;
  // The control of a row of the table, for a front end that maps a toolkit's id back to it.
  static constexpr Control AtRow(std::size_t row) { return Control(row); }

  constexpr std::size_t row() const { return row_; }
  constexpr const ControlRow& description() const { return kForm1Controls[row_]; }
  constexpr std::string_view name() const { return description().name; }

  friend constexpr bool operator==(Control, Control) = default;

  // Every control, in the table's order.
  static constexpr std::array<Control, kControlCount> All() {
    std::array<Control, kControlCount> all{};
    for (std::size_t row = 0; row < kControlCount; ++row) all[row] = Control(row);
    return all;
  }

 protected:
  constexpr explicit Control(std::size_t row) : row_(row) {}

 private:
  std::size_t row_ = 0;
};

namespace table {

// Not constexpr, so that reaching one while compiling is an error that names the fault; never
// defined, since nothing calls them as the program runs.
void TheControlIsNotOfThisKind();
void TheWindowHasNoControlOfThisName();

// The row of the control of that name and kind; anything else is not a constant expression,
// so the program does not compile.
consteval std::size_t RowOf(std::string_view name, ControlKind kind) {
  for (std::size_t row = 0; row < kControlCount; ++row) {
    if (kForm1Controls[row].name == name) {
      if (kForm1Controls[row].kind != kind) TheControlIsNotOfThisKind();
      return row;
    }
  }
  TheWindowHasNoControlOfThisName();
  return kControlCount;
}

}  // namespace table

// A control of one kind. A TextBox is always a text box of the table, which is all the seam
// reads and writes.
template <ControlKind kKind>
class ControlOf : public Control {
 public:
  consteval explicit ControlOf(std::string_view name) : Control(table::RowOf(name, kKind)) {}
};

using Label = ControlOf<ControlKind::kLabel>;
using TextBox = ControlOf<ControlKind::kTextBox>;
using Button = ControlOf<ControlKind::kPushButton>;
using Picture = ControlOf<ControlKind::kPicture>;

// The controls by the window's own names (hence not kName).
// NOLINTBEGIN(readability-identifier-naming)
inline constexpr Label Label1{"Label1"}, Label2{"Label2"}, Label3{"Label3"}, Label4{"Label4"},
    Label5{"Label5"}, Label6{"Label6"}, Label7{"Label7"}, Label8{"Label8"}, Label9{"Label9"},
    Label10{"Label10"}, Label11{"Label11"}, Label12{"Label12"};
inline constexpr TextBox Text1{"Text1"}, Text2{"Text2"}, Text3{"Text3"}, Text4{"Text4"},
    Text5{"Text5"}, Text6{"Text6"}, Text7{"Text7"}, Text8{"Text8"}, Text9{"Text9"},
    Text10{"Text10"}, Text11{"Text11"}, Text12{"Text12"};
inline constexpr TextBox Text13{"Text13"}, Text14{"Text14"}, Text15{"Text15"}, Text16{"Text16"},
    Text17{"Text17"}, Text18{"Text18"};
inline constexpr TextBox Text41{"Text41"}, Text42{"Text42"}, Text43{"Text43"}, Text44{"Text44"},
    Text45{"Text45"}, Text46{"Text46"};
inline constexpr TextBox Text25{"Text25"}, Text26{"Text26"};
inline constexpr Button Command1{"Command1"}, Command2{"Command2"};
inline constexpr Picture Image1{"Image1"};
// NOLINTEND(readability-identifier-naming)

// After the program writes a box, the caret stands at this position, so the box shows the
// number's start, as a freshly written box does, rather than its end.
inline constexpr int kCaretAfterWrite = 0;

// A value per control, such as each control's toolkit widget, found by its control.
template <typename T>
class PerControl {
 public:
  T& operator[](Control control) { return items_[control.row()]; }
  const T& operator[](Control control) const { return items_[control.row()]; }

 private:
  std::array<T, kControlCount> items_{};
};

}  // namespace petcalc::form

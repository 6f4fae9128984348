#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <string_view>

#include "core/stat_sheet.h"
#include "runtime/dialogs.h"

namespace petcalc::ui {

class QtRuntime;
struct ControlRow;

// The program's one window, built from its control table: the stat grid, the labels, the two
// buttons and the logo, at their fixed places. Its icon and interface font are the
// application's (SetUpApplication), shared with the dialogs. It owns the StatSheet for as long as
// it lives; "计 算" and "预 测" run the two click actions on it. Nothing is laid out again on
// resize.
class Form1 : public QWidget {
  Q_OBJECT

 public:
  // With the real Qt dialogs.
  explicit Form1(QWidget* parent = nullptr);
  // With the given dialogs, as tests script them.
  explicit Form1(std::unique_ptr<Dialogs> dialogs, QWidget* parent = nullptr);
  ~Form1() override;

  const StatSheet& sheet() const { return sheet_; }

 private:
  void createControls();
  QWidget* createControl(const ControlRow& row);
  QWidget* control(std::string_view name) const;
  void setTabOrderFromTable();
  void createConnections();

  std::array<QWidget*, 41> controls_{};  // in the order of the control table
  std::unique_ptr<Dialogs> dialogs_;
  std::unique_ptr<QtRuntime> runtime_;
  StatSheet sheet_;
};

}  // namespace petcalc::ui

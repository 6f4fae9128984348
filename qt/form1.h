#pragma once

#include <QWidget>
#include <memory>

#include "core/stat_sheet.h"
#include "form/controls.h"

namespace petcalc {
class FormsRuntime;
}

namespace petcalc::qt {

class QtRuntime;

// The program's one window, drawn from the form's control table: the stat grid, the labels, the
// two buttons and the logo, at their fixed places. Its icon and interface font are the
// application's (SetUpApplication), shared with the dialogs. It owns the StatSheet for as long as
// it lives; "计 算" and "预 测" run the two click actions on it. Nothing is laid out again on
// resize.
class Form1 : public QWidget {
  Q_OBJECT

 public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  const StatSheet& sheet() const { return sheet_; }

  // The window's own runtime: its boxes and its real dialogs.
  FormsRuntime& runtime();
  // From now on the clicks run through `runtime` instead, as tests do to script the dialogs
  // over the window's own boxes.
  void runClicksOn(FormsRuntime& runtime) { clicks_runtime_ = &runtime; }

  // The widget drawn for a control: a QLabel, QLineEdit, CommandButton or LogoView by its kind.
  QWidget* control(form::Control control) const { return controls_[control]; }

 private:
  void createControls();
  QWidget* createControl(const form::ControlRow& row);
  void setTabOrderFromTable();
  void createConnections();

  form::PerControl<QWidget*> controls_;
  std::unique_ptr<QtRuntime> runtime_;
  FormsRuntime* clicks_runtime_ = nullptr;
  StatSheet sheet_;
};

}  // namespace petcalc::qt

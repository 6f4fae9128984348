#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "calc/calculator.h"
#include "form/controls.h"
#include "qt/form1_widgets.h"
#include "qt/qt_runtime.h"
#include "runtime/forms_runtime.h"

namespace petcalc::qt {

// The program's one window, drawn from the form's control table: the stat grid, the labels, the
// two buttons and the logo, at their fixed places. Its icon and interface font are the
// application's (SetUpApplication), shared with the dialogs. Its Calculator holds the window's
// StatSheet for as long as the window lives; "计 算" and "预 测" run their clicks through it.
// Nothing is laid out again on resize.
class Form1 : public QWidget {
  Q_OBJECT

 public:
  // The clicks run through the window's own runtime (its boxes and its real dialogs), or through
  // the one `decorate` makes over it.
  explicit Form1(const RuntimeDecorator& decorate = nullptr);
  ~Form1() override;

  // The widget drawn for a control, as its kind draws it: a form::TextBox's QLineEdit, a
  // form::Button's CommandButton, any form::Control's QWidget.
  template <typename Typed>
  auto* control(Typed control) const {
    return widgets_[control];
  }

 private:
  void createControls();
  QWidget* createControl(form::Control control);
  // Sizes each auto-sized label to its caption, keeping its left and top.
  void fitLabels();
  void setTabOrderFromTable();

  Form1Widgets widgets_;
  std::vector<QLabel*> auto_sized_;
  QtRuntime runtime_;
  std::unique_ptr<FormsRuntime> decorated_;
  Calculator calculator_;
};

}  // namespace petcalc::qt

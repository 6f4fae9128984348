#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "calc/calculator.h"
#include "calc/pet_results.h"
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
  // the one `decorate` makes over it; each finished click is told to `observer`, where there is
  // one, which outlives the window.
  explicit Form1(const RuntimeDecorator& decorate = nullptr, ClickObserver* observer = nullptr);
  ~Form1() override;

  // The widget drawn for a control, as its kind draws it: a form::TextBox's QLineEdit, a
  // form::Button's CommandButton, any form::Control's QWidget.
  template <typename Typed>
  auto* control(Typed control) const {
    return widgets_[control];
  }

  // What the window holds: every box's text and the sheet, for an undo of a put-back.
  struct Held {
    std::vector<QString> texts;
    std::u16string sheet;
  };
  Held held() const;
  void restore(const Held& held);

  // Whether a click is running, its prompt or message open.
  bool clicking() const { return clicking_; }
  // `stats` typed into the twelve boxes and `target_level` into its own, then "计 算" clicked,
  // and "预 测" after it where there is a target level: the window shows what a record says.
  void putBack(const PetStats& stats, std::optional<std::int32_t> target_level);

 signals:
  // The player asked for the book: from the window's context menu, or by F2.
  void bookWanted();

 protected:
  // Outside the boxes, which keep their own edit menus.
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void createControls();
  QWidget* createControl(form::Control control);
  // Sizes each auto-sized label to its caption, keeping its left and top.
  void fitLabels();
  void setTabOrderFromTable();
  void click(form::Control clicked);
  std::vector<QLineEdit*> boxes() const;

  Form1Widgets widgets_;
  std::vector<QLabel*> auto_sized_;
  QtRuntime runtime_;
  std::unique_ptr<FormsRuntime> decorated_;
  Calculator calculator_;
  bool clicking_ = false;
};

}  // namespace petcalc::qt

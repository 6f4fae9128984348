#pragma once

#include <QLabel>
#include <QLineEdit>
#include <variant>

#include "form/controls.h"
#include "qt/command_button.h"
#include "qt/logo_view.h"

namespace petcalc::qt {

// The widget a control of each kind is drawn as.
template <form::ControlKind kKind>
struct WidgetOf;
template <>
struct WidgetOf<form::ControlKind::kLabel> {
  using Type = QLabel;
};
template <>
struct WidgetOf<form::ControlKind::kTextBox> {
  using Type = QLineEdit;
};
template <>
struct WidgetOf<form::ControlKind::kPushButton> {
  using Type = CommandButton;
};
template <>
struct WidgetOf<form::ControlKind::kPicture> {
  using Type = LogoView;
};

// The window's widget for each control, kept with its type, so that a typed control finds its
// widget as what it is (a form::TextBox its QLineEdit) and nothing is cast back from QWidget.
class Form1Widgets {
 public:
  template <form::ControlKind kKind>
  typename WidgetOf<kKind>::Type* operator[](form::ControlOf<kKind> control) const {
    return std::get<typename WidgetOf<kKind>::Type*>(widgets_[control]);
  }
  // Any control's widget, whatever its kind.
  QWidget* operator[](form::Control control) const {
    return std::visit([](auto* widget) -> QWidget* { return widget; }, widgets_[control]);
  }

  template <typename Widget>
  void Set(form::Control control, Widget* widget) {
    widgets_[control] = widget;
  }

 private:
  form::PerControl<std::variant<QLabel*, QLineEdit*, CommandButton*, LogoView*>> widgets_;
};

}  // namespace petcalc::qt

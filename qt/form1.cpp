#include "qt/form1.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

#include "calc/click_actions.h"
#include "form/layout.h"
#include "form/tab_order.h"
#include "qt/command_button.h"
#include "qt/fonts.h"
#include "qt/logo_view.h"
#include "qt/pixels.h"
#include "qt/qt_runtime.h"
#include "qt/qt_text.h"

namespace petcalc::qt {
namespace {

using form::Control;
using form::ControlKind;
using form::ControlRow;

QRect PlaceOf(const ControlRow& row) { return ToQRect(form::ToPixels(row.rect)); }

QWidget* CreateLabel(const ControlRow& row, QWidget* parent) {
  auto* label = new QLabel(ToQString(row.caption), parent);
  label->setAlignment(Qt::AlignCenter);
  label->setAutoFillBackground(true);
  label->setGeometry(PlaceOf(row));
  // One measurement of the caption: adjustSize would polish and lay the label out as well.
  if (row.auto_size) label->resize(label->fontMetrics().size(Qt::TextSingleLine, label->text()));
  return label;
}

QWidget* CreateTextBox(const ControlRow& row, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setAlignment(Qt::AlignCenter);
  box->setMaxLength(std::numeric_limits<int>::max());
  box->setReadOnly(row.read_only);
  box->setGeometry(PlaceOf(row));
  return box;
}

QWidget* CreateButton(const ControlRow& row, QWidget* parent) {
  auto* button = new CommandButton(parent);
  button->setText(ToQString(row.caption));
  button->setGeometry(PlaceOf(row));
  return button;
}

QWidget* CreatePicture(const ControlRow& row, QWidget* parent) {
  auto* picture = new LogoView(parent);
  picture->setGeometry(PlaceOf(row));
  return picture;
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(ToQString(form::kForm1Title));
  resize(form::ClientSize().width, form::ClientSize().height);

  createControls();
  control(form::kStackedBelowAll)->lower();
  setTabOrderFromTable();
  runtime_ = std::make_unique<QtRuntime>(*this, controls_);
  clicks_runtime_ = runtime_.get();
  createConnections();
  control(form::kFirstFocus)->setFocus();
}

Form1::~Form1() = default;

FormsRuntime& Form1::runtime() { return *runtime_; }

void Form1::createControls() {
  for (const Control control : Control::All()) {
    controls_[control] = createControl(control.description());
    controls_[control]->setObjectName(ToQString(control.name()));
  }
}

QWidget* Form1::createControl(const ControlRow& row) {
  QWidget* control = nullptr;
  switch (row.kind) {
    case ControlKind::kLabel:
      control = CreateLabel(row, this);
      break;
    case ControlKind::kTextBox:
      control = CreateTextBox(row, this);
      break;
    case ControlKind::kPushButton:
      control = CreateButton(row, this);
      break;
    case ControlKind::kPicture:
      control = CreatePicture(row, this);
      break;
  }
  if (!row.accessible_name.empty()) control->setAccessibleName(ToQString(row.accessible_name));
  // The interface font is the application's; only the other role needs a font of its own.
  if (row.font == form::FontRole::kButton) control->setFont(ButtonFont());
  return control;
}

void Form1::setTabOrderFromTable() {
  constexpr auto kStops = form::TabOrder();
  for (std::size_t i = 1; i < kStops.size(); ++i) {
    setTabOrder(controls_[kStops[i - 1]], controls_[kStops[i]]);
  }
}

void Form1::createConnections() {
  for (const Control control : Control::All()) {
    if (auto* button = qobject_cast<QPushButton*>(controls_[control])) {
      connect(button, &QPushButton::clicked, this,
              [this, control] { Click(control, *clicks_runtime_, sheet_); });
    }
  }
}

}  // namespace petcalc::qt

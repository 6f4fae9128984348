#include "qt/form1.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <limits>
#include <vector>

#include "calc/click_actions.h"
#include "qt/command_button.h"
#include "qt/fonts.h"
#include "qt/logo_view.h"
#include "qt/pixels.h"
#include "qt/qt_runtime.h"
#include "qt/qt_text.h"

namespace petcalc::qt {
namespace {

using form::ControlKind;
using form::ControlRow;

QWidget* CreateLabel(const ControlRow& row, QWidget* parent) {
  auto* label = new QLabel(ToQString(row.caption), parent);
  label->setAlignment(Qt::AlignCenter);
  label->setAutoFillBackground(true);
  label->setGeometry(ToPixels(row.rect));
  // One measurement of the caption: adjustSize would polish and lay the label out as well.
  if (row.auto_size) label->resize(label->fontMetrics().size(Qt::TextSingleLine, label->text()));
  return label;
}

QWidget* CreateTextBox(const ControlRow& row, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setAlignment(Qt::AlignCenter);
  box->setMaxLength(std::numeric_limits<int>::max());
  box->setReadOnly(row.read_only);
  box->setAccessibleName(ToQString(row.accessible_name));
  box->setGeometry(ToPixels(row.rect));
  return box;
}

QWidget* CreateButton(const ControlRow& row, QWidget* parent) {
  auto* button = new CommandButton(parent);
  button->setText(ToQString(row.caption));
  button->setGeometry(ToPixels(row.rect));
  return button;
}

QWidget* CreatePicture(const ControlRow& row, QWidget* parent) {
  auto* picture = new LogoView(parent);
  picture->setGeometry(ToPixels(row.rect));
  // The boxes of the prediction row overlap its top two rows and are drawn over it.
  picture->lower();
  return picture;
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(ToQString(form::kForm1Title));
  resize(form::TwipsToPixels(form::kForm1ClientWidth),
         form::TwipsToPixels(form::kForm1ClientHeight));

  createControls();
  setTabOrderFromTable();
  runtime_ = std::make_unique<QtRuntime>(*this);
  clicks_runtime_ = runtime_.get();
  createConnections();
  control("Command1")->setFocus();
}

Form1::~Form1() = default;

FormsRuntime& Form1::runtime() { return *runtime_; }

void Form1::createControls() {
  for (std::size_t i = 0; i < form::kForm1Controls.size(); ++i) {
    controls_[i] = createControl(form::kForm1Controls[i]);
    controls_[i]->setObjectName(ToQString(form::kForm1Controls[i].name));
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
  // The interface font is the application's; only the other role needs a font of its own.
  if (row.font == form::FontRole::kButton) control->setFont(ButtonFont());
  return control;
}

QWidget* Form1::control(std::string_view name) const { return controls_[form::ControlIndex(name)]; }

void Form1::setTabOrderFromTable() {
  const std::vector<std::size_t> stops = form::TabOrder();
  for (std::size_t i = 1; i < stops.size(); ++i) {
    setTabOrder(controls_[stops[i - 1]], controls_[stops[i]]);
  }
}

void Form1::createConnections() {
  connect(qobject_cast<QPushButton*>(control("Command1")), &QPushButton::clicked, this,
          [this] { Command1Click(*clicks_runtime_, sheet_); });
  connect(qobject_cast<QPushButton*>(control("Command2")), &QPushButton::clicked, this,
          [this] { Command2Click(*clicks_runtime_, sheet_); });
}

}  // namespace petcalc::qt

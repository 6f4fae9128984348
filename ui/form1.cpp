#include "ui/form1.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <limits>
#include <vector>

#include "calc/click_actions.h"
#include "ui/command_button.h"
#include "ui/control_table.h"
#include "ui/fonts.h"
#include "ui/logo_view.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_runtime.h"
#include "ui/qt_text.h"

namespace petcalc::ui {
namespace {

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
  button->setFont(ButtonFont());
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

Form1::Form1(QWidget* parent) : Form1(nullptr, parent) {}

Form1::Form1(std::unique_ptr<Dialogs> dialogs, QWidget* parent)
    : QWidget(parent), dialogs_(std::move(dialogs)) {
  if (!dialogs_) dialogs_ = std::make_unique<QtDialogs>(this);
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(ToQString(kForm1Title));
  resize(TwipsToPixels(kForm1ClientWidth), TwipsToPixels(kForm1ClientHeight));

  createControls();
  setTabOrderFromTable();
  runtime_ = std::make_unique<QtRuntime>(*this, *dialogs_);
  createConnections();
  control("Command1")->setFocus();
}

Form1::~Form1() = default;

void Form1::createControls() {
  for (std::size_t i = 0; i < kForm1Controls.size(); ++i) {
    controls_[i] = createControl(kForm1Controls[i]);
    controls_[i]->setObjectName(ToQString(kForm1Controls[i].name));
  }
}

QWidget* Form1::createControl(const ControlRow& row) {
  switch (row.kind) {
    case ControlKind::kLabel:
      return CreateLabel(row, this);
    case ControlKind::kTextBox:
      return CreateTextBox(row, this);
    case ControlKind::kPushButton:
      return CreateButton(row, this);
    case ControlKind::kPicture:
      return CreatePicture(row, this);
  }
  Q_UNREACHABLE();
}

QWidget* Form1::control(std::string_view name) const {
  const auto it = std::find_if(kForm1Controls.begin(), kForm1Controls.end(),
                               [name](const ControlRow& row) { return row.name == name; });
  return controls_[static_cast<std::size_t>(it - kForm1Controls.begin())];
}

void Form1::setTabOrderFromTable() {
  std::vector<std::size_t> stops;
  for (std::size_t i = 0; i < kForm1Controls.size(); ++i) {
    const ControlKind kind = kForm1Controls[i].kind;
    if (kind == ControlKind::kTextBox || kind == ControlKind::kPushButton) stops.push_back(i);
  }
  std::sort(stops.begin(), stops.end(), [](std::size_t a, std::size_t b) {
    return kForm1Controls[a].tab_index < kForm1Controls[b].tab_index;
  });
  for (std::size_t i = 1; i < stops.size(); ++i) {
    setTabOrder(controls_[stops[i - 1]], controls_[stops[i]]);
  }
}

void Form1::createConnections() {
  connect(static_cast<QPushButton*>(control("Command1")), &QPushButton::clicked, this,
          [this] { Command1Click(*runtime_, sheet_); });
  connect(static_cast<QPushButton*>(control("Command2")), &QPushButton::clicked, this,
          [this] { Command2Click(*runtime_, sheet_); });
}

}  // namespace petcalc::ui

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

QWidget* CreateLabel(const ControlSpec& spec, QWidget* parent) {
  auto* label = new QLabel(ToQString(spec.caption), parent);
  label->setAlignment(Qt::AlignCenter);
  label->setAutoFillBackground(true);
  label->setGeometry(ToPixels(spec.rect));
  if (spec.auto_size) label->adjustSize();
  return label;
}

QWidget* CreateTextBox(const ControlSpec& spec, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setAlignment(Qt::AlignCenter);
  box->setMaxLength(std::numeric_limits<int>::max());
  box->setReadOnly(spec.read_only);
  box->setAccessibleName(ToQString(spec.accessible_name));
  box->setGeometry(ToPixels(spec.rect));
  return box;
}

QWidget* CreateButton(const ControlSpec& spec, QWidget* parent) {
  auto* button = new CommandButton(parent);
  button->setText(ToQString(spec.caption));
  button->setFont(ButtonFont());
  button->setGeometry(ToPixels(spec.rect));
  return button;
}

QWidget* CreatePicture(const ControlSpec& spec, QWidget* parent) {
  auto* picture = new LogoView(parent);
  picture->setGeometry(ToPixels(spec.rect));
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
  setWindowIcon(QIcon(QStringLiteral(":/petcalc.ico")));
  setFont(InterfaceFont());
  resize(TwipsToPixels(kForm1ClientWidth), TwipsToPixels(kForm1ClientHeight));

  createControls();
  setTabOrderFromTable();
  runtime_ = std::make_unique<QtRuntime>(*this, *dialogs_);
  createConnections();
  findChild<QWidget*>(QStringLiteral("Command1"))->setFocus();
}

Form1::~Form1() = default;

void Form1::createControls() {
  for (const ControlSpec& spec : kForm1Controls) {
    QWidget* control = createControl(spec);
    control->setObjectName(ToQString(spec.name));
  }
}

QWidget* Form1::createControl(const ControlSpec& spec) {
  switch (spec.kind) {
    case ControlKind::kLabel:
      return CreateLabel(spec, this);
    case ControlKind::kTextBox:
      return CreateTextBox(spec, this);
    case ControlKind::kPushButton:
      return CreateButton(spec, this);
    case ControlKind::kPicture:
      return CreatePicture(spec, this);
  }
  Q_UNREACHABLE();
}

void Form1::setTabOrderFromTable() {
  std::vector<const ControlSpec*> stops;
  for (const ControlSpec& spec : kForm1Controls) {
    const bool focusable =
        spec.kind == ControlKind::kTextBox || spec.kind == ControlKind::kPushButton;
    if (focusable) stops.push_back(&spec);
  }
  std::sort(stops.begin(), stops.end(),
            [](const ControlSpec* a, const ControlSpec* b) { return a->tab_index < b->tab_index; });
  const auto widget = [this](const ControlSpec* spec) {
    return findChild<QWidget*>(ToQString(spec->name));
  };
  for (std::size_t i = 1; i < stops.size(); ++i)
    setTabOrder(widget(stops[i - 1]), widget(stops[i]));
}

void Form1::createConnections() {
  connect(findChild<QPushButton*>(QStringLiteral("Command1")), &QPushButton::clicked, this,
          [this] { Command1Click(*runtime_, sheet_); });
  connect(findChild<QPushButton*>(QStringLiteral("Command2")), &QPushButton::clicked, this,
          [this] { Command2Click(*runtime_, sheet_); });
}

}  // namespace petcalc::ui

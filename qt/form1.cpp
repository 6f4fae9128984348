#include "qt/form1.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

#include "form/layout.h"
#include "form/tab_order.h"
#include "qt/command_button.h"
#include "qt/fonts.h"
#include "qt/logo_view.h"
#include "qt/pixels.h"
#include "qt/qt_text.h"

namespace petcalc::qt {
namespace {

using form::Control;
using form::ControlKind;
using form::ControlRow;

QRect PlaceOf(const ControlRow& row) { return ToQRect(form::ToPixels(row.rect)); }

QLabel* CreateLabel(const ControlRow& row, QWidget* parent) {
  auto* label = new QLabel(ToQString(row.caption), parent);
  label->setAlignment(Qt::AlignCenter);
  label->setAutoFillBackground(true);
  label->setGeometry(PlaceOf(row));
  return label;
}

QLineEdit* CreateTextBox(const ControlRow& row, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setAlignment(Qt::AlignCenter);
  box->setMaxLength(std::numeric_limits<int>::max());
  box->setReadOnly(row.read_only);
  box->setGeometry(PlaceOf(row));
  return box;
}

CommandButton* CreateButton(const ControlRow& row, QWidget* parent) {
  auto* button = new CommandButton(parent);
  button->setText(ToQString(row.caption));
  button->setGeometry(PlaceOf(row));
  return button;
}

LogoView* CreatePicture(const ControlRow& row, QWidget* parent) {
  auto* picture = new LogoView(parent);
  picture->setGeometry(PlaceOf(row));
  return picture;
}

FormsRuntime* Decorated(const RuntimeDecorator& decorate, std::unique_ptr<FormsRuntime>& made,
                        FormsRuntime& own) {
  if (!decorate) return &own;
  made = decorate(own);
  return made.get();
}

}  // namespace

Form1::Form1(const RuntimeDecorator& decorate)
    : runtime_(*this, widgets_), calculator_(*Decorated(decorate, decorated_, runtime_)) {
  setObjectName(ToQString(form::kForm1Name));
  setWindowTitle(ToQString(form::kForm1Title));
  resize(form::ClientSize().width, form::ClientSize().height);

  createControls();
  // Measuring a caption loads the Chinese face, which the first paint loads anyway: queued, the
  // measuring runs once the window is on its way to the screen, and before it is first painted,
  // whose expose has to come back from the display.
  QMetaObject::invokeMethod(this, &Form1::fitLabels, Qt::QueuedConnection);
  control(form::kStackedBelowAll)->lower();
  setTabOrderFromTable();
  control(form::kFirstFocus)->setFocus();
}

Form1::~Form1() = default;

void Form1::createControls() {
  for (const Control control : Control::All()) {
    QWidget* made = createControl(control);
    made->setObjectName(ToQString(control.name()));
  }
}

QWidget* Form1::createControl(Control control) {
  const ControlRow& row = control.description();
  switch (row.kind) {
    case ControlKind::kLabel: {
      QLabel* label = CreateLabel(row, this);
      if (row.auto_size) auto_sized_.push_back(label);
      widgets_.Set(control, label);
      break;
    }
    case ControlKind::kTextBox:
      widgets_.Set(control, CreateTextBox(row, this));
      break;
    case ControlKind::kPushButton: {
      CommandButton* button = CreateButton(row, this);
      connect(button, &QPushButton::clicked, this, [this, control] { calculator_.Click(control); });
      widgets_.Set(control, button);
      break;
    }
    case ControlKind::kPicture:
      widgets_.Set(control, CreatePicture(row, this));
      break;
  }
  QWidget* made = widgets_[control];
  if (!row.accessible_name.empty()) made->setAccessibleName(ToQString(row.accessible_name));
  // The interface font is the application's; only the other role needs a font of its own.
  if (row.font == form::FontRole::kButton) made->setFont(ButtonFont());
  return made;
}

void Form1::fitLabels() {
  for (QLabel* label : auto_sized_) {
    // One measurement of the caption: adjustSize would polish and lay the label out as well.
    label->resize(label->fontMetrics().size(Qt::TextSingleLine, label->text()));
  }
}

void Form1::setTabOrderFromTable() {
  constexpr auto kStops = form::TabOrder();
  for (std::size_t i = 1; i < kStops.size(); ++i) {
    setTabOrder(widgets_[kStops[i - 1]], widgets_[kStops[i]]);
  }
}

}  // namespace petcalc::qt

#include "qt/form1.h"

#include <QContextMenuEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <limits>

#include "book/captions.h"
#include "form/layout.h"
#include "form/stats.h"
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

Form1::Form1(const RuntimeDecorator& decorate, ClickObserver* observer)
    : runtime_(*this, widgets_), calculator_(*Decorated(decorate, decorated_, runtime_), observer) {
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
  auto* book = new QShortcut(QKeySequence(Qt::Key_F2), this);
  connect(book, &QShortcut::activated, this, &Form1::bookWanted);
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
      connect(button, &QPushButton::clicked, this, [this, control] { click(control); });
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

void Form1::click(form::Control clicked) {
  clicking_ = true;
  calculator_.Click(clicked);
  clicking_ = false;
}

std::vector<QLineEdit*> Form1::boxes() const {
  std::vector<QLineEdit*> boxes;
  for (const Control control : Control::All()) {
    if (control.description().kind == ControlKind::kTextBox) {
      boxes.push_back(static_cast<QLineEdit*>(widgets_[control]));
    }
  }
  return boxes;
}

Form1::Held Form1::held() const {
  Held held{{}, calculator_.Saved()};
  for (const QLineEdit* box : boxes()) held.texts.push_back(box->text());
  return held;
}

void Form1::restore(const Held& held) {
  const std::vector<QLineEdit*> all = boxes();
  for (std::size_t i = 0; i < all.size() && i < held.texts.size(); ++i) {
    all[i]->setText(held.texts[i]);
  }
  calculator_.Restore(held.sheet);
}

void Form1::putBack(const PetStats& stats, std::optional<std::int32_t> target_level) {
  for (std::size_t i = 0; i < form::kStatBoxCount; ++i) {
    control(form::StatBox(i))->setText(ToQString(WholeText(stats[i])));
  }
  control(form::kTargetLevelBox)
      ->setText(target_level ? ToQString(WholeText(*target_level)) : QString());
  control(form::Command1)->click();
  if (target_level) control(form::Command2)->click();
}

void Form1::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  QAction* book = menu.addAction(FromUtf8(book::captions::kTitle));
  book->setShortcut(QKeySequence(Qt::Key_F2));
  connect(book, &QAction::triggered, this, &Form1::bookWanted);
  menu.exec(event->globalPos());
}

void Form1::setTabOrderFromTable() {
  constexpr auto kStops = form::TabOrder();
  for (std::size_t i = 1; i < kStops.size(); ++i) {
    setTabOrder(widgets_[kStops[i - 1]], widgets_[kStops[i]]);
  }
}

}  // namespace petcalc::qt

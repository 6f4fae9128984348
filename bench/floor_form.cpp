#include "bench/floor_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "ui/control_table.h"
#include "ui/qt_text.h"

namespace petcalc::bench {

std::unique_ptr<QWidget> BuildFloorWindow() {
  using ui::ControlKind;
  auto window = std::make_unique<QWidget>();
  window->setWindowTitle(ui::ToQString(ui::kForm1Title));
  window->resize(ui::TwipsToPixels(ui::kForm1ClientWidth),
                 ui::TwipsToPixels(ui::kForm1ClientHeight));
  for (const ui::ControlRow& row : ui::kForm1Controls) {
    QWidget* control = nullptr;
    switch (row.kind) {
      case ControlKind::kLabel:
      case ControlKind::kPicture:
        control = new QLabel(ui::ToQString(row.caption), window.get());
        break;
      case ControlKind::kTextBox:
        control = new QLineEdit(window.get());
        break;
      case ControlKind::kPushButton:
        control = new QPushButton(ui::ToQString(row.caption), window.get());
        break;
    }
    control->setGeometry(ui::ToPixels(row.rect));
  }
  return window;
}

}  // namespace petcalc::bench

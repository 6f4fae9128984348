#include "bench/floor_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "form/control_table.h"
#include "qt/fonts.h"
#include "qt/pixels.h"
#include "qt/qt_text.h"

namespace petcalc::bench {

std::unique_ptr<QWidget> BuildFloorWindow() {
  using form::ControlKind;
  auto window = std::make_unique<QWidget>();
  window->setWindowTitle(qt::ToQString(form::kForm1Title));
  window->resize(form::TwipsToPixels(form::kForm1ClientWidth),
                 form::TwipsToPixels(form::kForm1ClientHeight));
  for (const form::ControlRow& row : form::kForm1Controls) {
    QWidget* control = nullptr;
    switch (row.kind) {
      case ControlKind::kLabel:
      case ControlKind::kPicture:
        control = new QLabel(qt::ToQString(row.caption), window.get());
        break;
      case ControlKind::kTextBox:
        control = new QLineEdit(window.get());
        break;
      case ControlKind::kPushButton:
        control = new QPushButton(qt::ToQString(row.caption), window.get());
        control->setFont(qt::ButtonFont());
        break;
    }
    control->setGeometry(qt::ToQRect(form::ToPixels(row.rect)));
  }
  return window;
}

}  // namespace petcalc::bench

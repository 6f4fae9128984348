#pragma once

#include <QPushButton>

namespace petcalc::qt {

// A push button that, once it has the focus, is clicked by Enter and Return as well as by
// Space, as push buttons are on Windows. It is never a default button.
class CommandButton : public QPushButton {
  Q_OBJECT

 public:
  explicit CommandButton(QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace petcalc::qt

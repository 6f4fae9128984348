#pragma once

#include "runtime/dialogs.h"

class QWidget;

namespace petcalc::ui {

// The dialogs as real modal Qt dialogs over the window, captioned in Chinese whatever the
// system language: the prompt with "确定" and "取消", the message and the error with "确定".
class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(QWidget* owner) : owner_(owner) {}

  std::u16string InputBox(std::u16string_view prompt, std::u16string_view title) override;
  void MsgBox(std::u16string_view prompt, int buttons, std::u16string_view title) override;
  void ReportError(int number, std::u16string_view description) override;

 private:
  QWidget* owner_;
};

}  // namespace petcalc::ui

// The keyboard table through the real Qt window: real key events on whatever has the focus, and
// its real dialogs answered as a player answers them.
#include "tests/support/keys.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>

#include "qt/book_window.h"
#include "qt/kept_book.h"
#include "qt/qt_text.h"
#include "tests/qt/dialog_answers.h"
#include "tests/qt/qt_form_test.h"

namespace petcalc::testing {
namespace {

Qt::Key QtKey(Key key) {
  switch (key) {
    case Key::kTab:
      return Qt::Key_Tab;
    case Key::kReturn:
      return Qt::Key_Return;
    case Key::kKeypadEnter:
      return Qt::Key_Enter;
    case Key::kSpace:
      return Qt::Key_Space;
    case Key::kEscape:
      return Qt::Key_Escape;
    case Key::kBackspace:
      return Qt::Key_Backspace;
    case Key::kA:
      return Qt::Key_A;
    case Key::kC:
      return Qt::Key_C;
    case Key::kV:
      return Qt::Key_V;
    case Key::kF2:
      return Qt::Key_F2;
  }
  return Qt::Key_unknown;
}

Qt::KeyboardModifiers QtModifiers(const KeyStep& step) {
  Qt::KeyboardModifiers held;
  if (step.modifiers.shift) held |= Qt::ShiftModifier;
  if (step.modifiers.ctrl) held |= Qt::ControlModifier;
  if (step.modifiers.alt) held |= Qt::AltModifier;
  if (step.key == Key::kKeypadEnter) held |= Qt::KeypadModifier;
  return held;
}

void Press(QWidget* target, const KeyStep& step) {
  ASSERT_NE(target, nullptr) << "nothing has the focus";
  if (step.held) {
    QKeyEvent repeat(QEvent::KeyPress, QtKey(step.key), QtModifiers(step), QString(), true);
    QApplication::sendEvent(target, &repeat);
  } else if (!step.text.empty()) {
    QTest::sendKeyEvent(QTest::Click, target, QtKey(step.key), qt::ToQString(step.text),
                        QtModifiers(step));
  } else {
    QTest::keyClick(target, QtKey(step.key), QtModifiers(step));
  }
}

class QtKeys : public QtFormTest, public KeyPlayer, public ::testing::WithParamInterface<KeyCase> {
 protected:
  QtKeys() : book_(folder_.path()), opener_(book_, window()) {}

  void Put(form::TextBox box, std::u16string_view text) override {
    QtForm::Put(box, qt::ToQString(text));
  }
  void Expect(const Dialog& dialog) override {
    answerer_.Expect([dialog](QWidget* modal) { AnswerDialog(modal, dialog); });
  }
  void Step(const KeyStep& step) override {
    switch (step.kind) {
      case KeyStep::Kind::kFocus:
        Control(step.control)->setFocus();
        break;
      case KeyStep::Kind::kPress:
        Press(QApplication::focusWidget(), step);
        break;
      case KeyStep::Kind::kType:
        QTest::keyClicks(QApplication::focusWidget(), qt::ToQString(step.text));
        break;
    }
  }
  void CheckDialogsShown() override { EXPECT_TRUE(answerer_.AllAnswered()); }
  // The focus of the active window: a window given back the focus after a dialog closes gets
  // it with its activation, which Qt delivers as an event.
  std::optional<form::Control> Focused() override {
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window()));
    for (const form::Control control : form::Control::All()) {
      if (Control(control) == QApplication::focusWidget()) return control;
    }
    return std::nullopt;
  }
  std::u16string Text(form::TextBox box) override { return QtForm::Text(box).toStdU16String(); }
  bool BookHasFocus() override {
    return QTest::qWaitFor(
        [] { return qobject_cast<qt::BookWindow*>(QApplication::activeWindow()) != nullptr; });
  }

 private:
  QTemporaryDir folder_;
  qt::KeptBook book_;
  qt::BookWindowOpener opener_;
};

TEST_P(QtKeys, DoWhatTheyMean) {
  ASSERT_TRUE(ShowAndActivate());
  PlayKeys(GetParam(), kQt, *this);
}

INSTANTIATE_TEST_SUITE_P(Keyboard, QtKeys, ::testing::ValuesIn(KeyboardTable()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace petcalc::testing

#include "tests/qt/qt_form.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

#include "qt/qt_text.h"
#include "tests/support/boxes.h"

namespace petcalc::testing {

namespace {

RuntimeDecorator ScriptingInto(ScriptedRuntime*& script) {
  return [&script](FormsRuntime& own) {
    auto made = std::make_unique<ScriptedRuntime>(own);
    script = made.get();
    return made;
  };
}

}  // namespace

QtForm::QtForm(Dialogs dialogs)
    : window_(std::make_unique<qt::Form1>(dialogs == Dialogs::kScripted ? ScriptingInto(script_)
                                                                        : nullptr)) {}

QtForm::~QtForm() = default;

QString QtForm::Text(form::TextBox box) const { return Control(box)->text(); }

void QtForm::Type(form::TextBox box, const QString& text) {
  QLineEdit* edit = Control(box);
  edit->setFocus();
  edit->clear();
  for (qsizetype i = 0; i < text.size();) {
    if (text[i].unicode() < 0x80) {
      QTest::keyClick(edit, text[i++].toLatin1());
      continue;
    }
    // What the keyboard has no key for, an input method commits.
    qsizetype end = i;
    while (end < text.size() && text[end].unicode() >= 0x80) ++end;
    QInputMethodEvent commit;
    commit.setCommitString(text.mid(i, end - i));
    QApplication::sendEvent(edit, &commit);
    i = end;
  }
}

void QtForm::Put(form::TextBox box, const QString& text) { Control(box)->setText(text); }

void QtForm::PutStats(const std::array<std::u16string_view, 12>& stats, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) Put(kStatBoxes[i], qt::ToQString(stats[i]));
}

void QtForm::Click(form::Control control) { QTest::mouseClick(Control(control), Qt::LeftButton); }

bool QtForm::ShowAndActivate() {
  window_->show();
  window_->activateWindow();
  return QTest::qWaitForWindowActive(window_.get());
}

}  // namespace petcalc::testing

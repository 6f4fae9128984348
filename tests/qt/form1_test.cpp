#include "qt/form1.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QTest>

#include "form/control_table.h"
#include "qt/application.h"
#include "qt/fonts.h"
#include "qt/logo_view.h"
#include "qt/pixels.h"
#include "qt/qt_text.h"
#include "tests/support/qt_typical_stats.h"
#include "tests/support/scripted_runtime.h"

namespace petcalc::qt {
namespace {

using form::ControlKind;
using form::ControlRow;
using petcalc::testing::kOverflowEntry;
using petcalc::testing::ScriptedRuntime;
using ::testing::ElementsAre;

// The real window, its dialogs scripted.
class Form1Test : public ::testing::Test {
 protected:
  Form1Test() : form_(std::make_unique<Form1>()), script_(form_->runtime()) {
    form_->runClicksOn(script_);
  }

  void ShowAndActivate() {
    form_->show();
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  }

  template <typename T = QWidget>
  T* Control(const QString& name) const {
    T* control = form_->findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name.toStdString();
    return control;
  }
  QLineEdit* Box(const QString& name) const { return Control<QLineEdit>(name); }

  void TypeStats(const QStringList& texts) {
    for (int i = 0; i < texts.size(); ++i) {
      QTest::keyClicks(Box(QStringLiteral("Text%1").arg(i + 1)), texts[i]);
    }
  }

  std::unique_ptr<Form1> form_;
  ScriptedRuntime script_;
};

const QStringList kOverviewStats = petcalc::testing::TypicalStats();

TEST_F(Form1Test, IsTheTitledResizableWindowOfTheGivenClientSize) {
  EXPECT_EQ(form_->windowTitle(), u"Tenvo宠物成长计算器0.5"_qs);
  EXPECT_EQ(form_->size(), QSize(409, 188));
  EXPECT_NE(form_->minimumSize(), form_->maximumSize());
  EXPECT_TRUE(form_->isWindow());
  EXPECT_EQ(form_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 41);
  const QList<QSize> icon_sizes = form_->windowIcon().availableSizes();
  EXPECT_TRUE(icon_sizes.contains(QSize(16, 16)));
  EXPECT_TRUE(icon_sizes.contains(QSize(32, 32)));
  EXPECT_TRUE(icon_sizes.contains(QSize(48, 48)));
}

TEST_F(Form1Test, PlacesControlsAtTheirPixelPositions) {
  const struct {
    const char* name;
    QRect pixels;
  } cases[] = {
      {"Label1", {64, 8, 57, 17}},      {"Text1", {64, 32, 57, 18}},
      {"Text12", {344, 56, 57, 18}},    {"Text13", {64, 80, 57, 18}},
      {"Text46", {344, 104, 57, 18}},   {"Image1", {144, 120, 113, 57}},
      {"Command1", {264, 128, 65, 57}}, {"Command2", {336, 128, 65, 57}},
      {"Text25", {64, 136, 73, 18}},    {"Text26", {64, 160, 73, 18}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Control(QString::fromLatin1(c.name))->geometry(), c.pixels);
  }
}

TEST_F(Form1Test, BuildsEveryControlWithItsKindCaptionAndFlags) {
  for (const ControlRow& row : form::kForm1Controls) {
    const QString name = ToQString(row.name);
    const QString caption = ToQString(row.caption);
    SCOPED_TRACE(name.toStdString());
    QWidget* control = Control(name);
    ASSERT_NE(control, nullptr);
    switch (row.kind) {
      case ControlKind::kLabel: {
        auto* label = qobject_cast<QLabel*>(control);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), caption);
        EXPECT_EQ(label->alignment(), Qt::AlignCenter);
        EXPECT_TRUE(label->autoFillBackground());
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
        EXPECT_EQ(label->pos(), ToPixels(row.rect).topLeft());
        EXPECT_EQ(label->size(), row.auto_size ? label->sizeHint() : ToPixels(row.rect).size());
        break;
      }
      case ControlKind::kTextBox: {
        auto* box = qobject_cast<QLineEdit*>(control);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->geometry(), ToPixels(row.rect));
        EXPECT_TRUE(box->text().isEmpty());
        EXPECT_EQ(box->isReadOnly(), row.read_only);
        EXPECT_EQ(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        EXPECT_TRUE(box->hasFrame());
        EXPECT_TRUE(box->focusPolicy() & Qt::TabFocus);
        EXPECT_GT(box->maxLength(), 1'000'000);
        break;
      }
      case ControlKind::kPushButton: {
        auto* button = qobject_cast<QPushButton*>(control);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), caption);
        EXPECT_FALSE(button->isDefault());
        EXPECT_FALSE(button->autoDefault());
        // The face in use is the first installed one of the chain 方正姚体, FZYaoTi, the Kai
        // faces, then the Simplified Chinese faces.
        const QFontInfo face(button->font());
        EXPECT_TRUE(ButtonFamilies().contains(face.family())) << face.family().toStdString();
        EXPECT_EQ(face.pointSize(), 12);
        EXPECT_TRUE(face.bold());
        break;
      }
      case ControlKind::kPicture:
        EXPECT_NE(qobject_cast<LogoView*>(control), nullptr);
        EXPECT_EQ(control->geometry(), ToPixels(row.rect));
        EXPECT_EQ(control->focusPolicy(), Qt::NoFocus);
        break;
    }
  }
}

TEST_F(Form1Test, CaptionsKeepTheirExactSpacing) {
  EXPECT_EQ(Control<QLabel>(u"Label1"_qs)->text(), u"等  级"_qs);
  EXPECT_EQ(Control<QLabel>(u"Label7"_qs)->text(), u"当前数据"_qs);
  EXPECT_EQ(Control<QLabel>(u"Label8"_qs)->text(), u"当前数据"_qs);
  EXPECT_EQ(Control<QLabel>(u"Label9"_qs)->text(), u"成 长 率"_qs);
  EXPECT_EQ(Control<QLabel>(u"Label12"_qs)->text(), u"总 成 长"_qs);
  EXPECT_EQ(Control<QPushButton>(u"Command1"_qs)->text(), u"计 算"_qs);
  EXPECT_EQ(Control<QPushButton>(u"Command2"_qs)->text(), u"预 测"_qs);
}

TEST_F(Form1Test, ScreenReadersHearWhatEachBoxHolds) {
  QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form_.get());
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->role(), QAccessible::Window);
  EXPECT_EQ(window->text(QAccessible::Name), u"Tenvo宠物成长计算器0.5"_qs);

  const struct {
    const char* name;
    QString spoken;
  } cases[] = {{"Text1", u"初始等级"_qs},  {"Text8", u"当前体力"_qs},  {"Text14", u"体力成长率"_qs},
               {"Text41", u"预测等级"_qs}, {"Text42", u"预测体力"_qs}, {"Text25", u"三围成长"_qs},
               {"Text26", u"总成长"_qs},   {"Command1", u"计 算"_qs}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QAccessibleInterface* accessible =
        QAccessible::queryAccessibleInterface(Control(QString::fromLatin1(c.name)));
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name), c.spoken);
  }
}

TEST_F(Form1Test, StartsOnCommand1AndTabsInTheGivenOrder) {
  EXPECT_EQ(form_->focusWidget(), Control(u"Command1"_qs));

  QStringList order;
  QWidget* widget = Control(u"Command1"_qs);
  do {
    if (widget->focusPolicy() & Qt::TabFocus) order << widget->objectName();
    widget = widget->nextInFocusChain();
  } while (widget != Control(u"Command1"_qs));
  EXPECT_EQ(order.join(u' '),
            u"Command1 Text1 Text2 Text3 Text4 Text5 Text6 Text7 Text8 Text9 Text10 Text11 "
            u"Text12 Text41 Command2 Text13 Text14 Text15 Text16 Text17 Text18 Text42 Text43 "
            u"Text44 Text45 Text46 Text25 Text26"_qs);
}

TEST_F(Form1Test, TabAndShiftTabMoveThroughTheRealKeyboard) {
  ShowAndActivate();
  EXPECT_EQ(QApplication::focusWidget(), Control(u"Command1"_qs));
  Box(u"Text12"_qs)->setFocus();
  QStringList visited;
  for (int i = 0; i < 3; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(visited, (QStringList{u"Text41"_qs, u"Command2"_qs, u"Text13"_qs}));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
  EXPECT_EQ(QApplication::focusWidget(), Control(u"Command2"_qs));
  Box(u"Text26"_qs)->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Control(u"Command1"_qs));
}

TEST_F(Form1Test, ClicksComputeThroughTheRealWidgets) {
  ShowAndActivate();
  TypeStats(kOverviewStats.mid(0, 11));
  script_.QueueAnswer(u"30");
  QTest::mouseClick(Control(u"Command1"_qs), Qt::LeftButton);
  EXPECT_THAT(script_.Dialogs(), ElementsAre("InputBox 请在输入当前灵感 | Tenvo友情提示"));
  EXPECT_EQ(Box(u"Text12"_qs)->text(), u"30"_qs);
  QStringList growth;
  for (const char* name : {"Text14", "Text15", "Text16", "Text17", "Text18", "Text25", "Text26"}) {
    growth << Box(QString::fromLatin1(name))->text();
  }
  EXPECT_EQ(growth.join(u' '), u"2.5 3 3 2 2 8 10"_qs);

  QTest::keyClicks(Box(u"Text41"_qs), u"21"_qs);
  QTest::mouseClick(Control(u"Command2"_qs), Qt::LeftButton);
  QStringList predicted;
  for (int n = 42; n <= 46; ++n) predicted << Box(QStringLiteral("Text%1").arg(n))->text();
  EXPECT_EQ(predicted.join(u' '), u"100 80 90 50 50"_qs);
  EXPECT_TRUE(Box(u"Text13"_qs)->text().isEmpty());
  EXPECT_EQ(form_->sheet().predStamina, 100);
}

TEST_F(Form1Test, EnterInABoxStartsNothing) {
  ShowAndActivate();
  TypeStats(kOverviewStats);
  QLineEdit* text1 = Box(u"Text1"_qs);
  text1->setFocus();
  QTest::keyClick(text1, Qt::Key_Return);
  QTest::keyClick(text1, Qt::Key_Enter, Qt::KeypadModifier);
  QTest::keyClick(text1, Qt::Key_Escape);
  EXPECT_TRUE(Box(u"Text14"_qs)->text().isEmpty());
  EXPECT_THAT(script_.Dialogs(), ElementsAre());
  EXPECT_TRUE(form_->isVisible());
}

TEST_F(Form1Test, AFocusedButtonIsClickedBySpaceEnterAndReturn) {
  ShowAndActivate();
  TypeStats(kOverviewStats);
  QPushButton* command1 = Control<QPushButton>(u"Command1"_qs);
  int clicks = 0;
  QObject::connect(command1, &QPushButton::clicked, [&clicks] { ++clicks; });
  command1->setFocus();
  QTest::keyClick(command1, Qt::Key_Space);
  QTest::keyClick(command1, Qt::Key_Return);
  QTest::keyClick(command1, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(clicks, 3);
  EXPECT_EQ(Box(u"Text26"_qs)->text(), u"10"_qs);
}

TEST_F(Form1Test, ReadOnlyBoxesRefuseTypingButCopy) {
  ShowAndActivate();
  TypeStats(kOverviewStats);
  QTest::mouseClick(Control(u"Command1"_qs), Qt::LeftButton);
  for (const char* name : {"Text13", "Text14"}) {
    SCOPED_TRACE(name);
    QLineEdit* box = Box(QString::fromLatin1(name));
    const QString before = box->text();
    box->setFocus();
    QTest::keyClicks(box, u"99"_qs);
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), before);
  }
  QLineEdit* text14 = Box(u"Text14"_qs);
  text14->setFocus();
  QTest::keyClick(text14, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(text14, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), u"2.5"_qs);
}

TEST_F(Form1Test, ContextMenusSpeakChinese) {
  for (const char* name : {"Text1", "Text14"}) {
    SCOPED_TRACE(name);
    const std::unique_ptr<QMenu> menu(Box(QString::fromLatin1(name))->createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) texts << action->text();
    EXPECT_TRUE(texts.join(u' ').contains(u"复制"_qs)) << texts.join(u' ').toStdString();
    EXPECT_TRUE(texts.join(u' ').contains(u"全选"_qs)) << texts.join(u' ').toStdString();
  }
  EXPECT_FALSE(InstallQtChinese(u"/nonexistent"_qs));  // warns, and the program runs on
}

TEST_F(Form1Test, BoxesTakeTextsBeyondQtsDefaultLimit) {
  const QString paste(100'000, u'7');
  Box(u"Text1"_qs)->setFocus();
  Box(u"Text1"_qs)->insert(paste);
  EXPECT_EQ(Box(u"Text1"_qs)->text().size(), paste.size());
}

TEST_F(Form1Test, ResizingMovesNothing) {
  ShowAndActivate();
  QList<QRect> before;
  for (QWidget* child : form_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    before << child->geometry();
  }
  form_->resize(900, 600);
  QApplication::processEvents();
  form_->showMaximized();
  QApplication::processEvents();
  QList<QRect> after;
  for (QWidget* child : form_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    after << child->geometry();
  }
  EXPECT_EQ(after, before);
}

TEST_F(Form1Test, AnErrorIsReportedAndTheWindowKeepsWorking) {
  ShowAndActivate();
  QStringList stats = kOverviewStats;
  stats[2] = u"3000000000"_qs;
  TypeStats(stats);
  QTest::mouseClick(Control(u"Command1"_qs), Qt::LeftButton);
  EXPECT_THAT(script_.Dialogs(), ElementsAre(kOverflowEntry));
  EXPECT_TRUE(form_->isVisible());
  EXPECT_EQ(Box(u"Text1"_qs)->text(), u"1"_qs);

  Box(u"Text3"_qs)->setText(u"20"_qs);
  QTest::mouseClick(Control(u"Command1"_qs), Qt::LeftButton);
  EXPECT_EQ(Box(u"Text26"_qs)->text(), u"10"_qs);
}

// Restores the application palette even when an assertion fails.
class PaletteGuard {
 public:
  PaletteGuard() : saved_(QApplication::palette()) {}
  ~PaletteGuard() { QApplication::setPalette(saved_); }

 private:
  QPalette saved_;
};

TEST_F(Form1Test, FollowsTheSystemPalette) {
  PaletteGuard guard;
  QPalette dark;
  dark.setColor(QPalette::Window, QColor(32, 33, 36));
  dark.setColor(QPalette::WindowText, QColor(232, 234, 237));
  dark.setColor(QPalette::Base, QColor(24, 24, 27));
  QApplication::setPalette(dark);
  QApplication::processEvents();
  const QImage window = form_->grab().toImage();
  EXPECT_EQ(window.pixelColor(400, 2), QColor(32, 33, 36));  // empty space right of the grid
  const QImage label = Control(u"Label1"_qs)->grab().toImage();
  EXPECT_EQ(label.pixelColor(1, 1), QColor(32, 33, 36));
  const QImage box = Box(u"Text14"_qs)->grab().toImage();
  EXPECT_EQ(box.pixelColor(box.width() / 2, box.height() / 2), QColor(24, 24, 27));
}

TEST(LogoView, DrawsTheLogoAtItsOwnSizeOnEveryDensity) {
  LogoView logo;
  const QPixmap plain = logo.pixmapFor(1.0);
  EXPECT_EQ(plain.size(), QSize(113, 57));
  EXPECT_EQ(plain.toImage().convertToFormat(QImage::Format_RGB32),
            QImage(u":/logo.jpg"_qs).convertToFormat(QImage::Format_RGB32));
  for (qreal ratio : {1.5, 2.0, 3.0}) {
    SCOPED_TRACE(ratio);
    // One device pixel per image pixel: drawn as it is, with no resampling by the painter.
    const QPixmap dense = logo.pixmapFor(ratio);
    EXPECT_EQ(dense.devicePixelRatio(), ratio);
    EXPECT_EQ(dense.size(), (QSizeF(113, 57) * ratio).toSize());
  }
}

}  // namespace
}  // namespace petcalc::qt

#include "qt/form1.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QTest>

#include "form/controls.h"
#include "form/layout.h"
#include "qt/application.h"
#include "qt/fonts.h"
#include "qt/logo_view.h"
#include "qt/pixels.h"
#include "qt/qt_text.h"
#include "tests/qt/qt_form_test.h"
#include "tests/support/boxes.h"

namespace petcalc::qt {
namespace {

using form::ControlKind;
using form::ControlRow;

using Form1Test = petcalc::testing::QtFormTest;

TEST_F(Form1Test, IsTheTitledResizableWindowOfTheGivenClientSize) {
  EXPECT_EQ(window().windowTitle(), u"Tenvo宠物成长计算器0.5"_qs);
  EXPECT_EQ(window().size(), QSize(409, 188));
  EXPECT_NE(window().minimumSize(), window().maximumSize());
  EXPECT_TRUE(window().isWindow());
  EXPECT_EQ(window().findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(),
            static_cast<qsizetype>(form::kControlCount));
  const QList<QSize> icon_sizes = window().windowIcon().availableSizes();
  EXPECT_TRUE(icon_sizes.contains(QSize(16, 16)));
  EXPECT_TRUE(icon_sizes.contains(QSize(32, 32)));
  EXPECT_TRUE(icon_sizes.contains(QSize(48, 48)));
}

// The size each widget had when it was first painted.
class FirstPaintedSizes : public QObject {
 public:
  explicit FirstPaintedSizes(QWidget& window) {
    for (QWidget* child : window.findChildren<QWidget*>()) child->installEventFilter(this);
  }
  QSize size(QWidget* widget) const { return sizes_.value(widget); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::Paint && !sizes_.contains(widget)) sizes_[widget] = widget->size();
    return false;
  }

 private:
  QHash<QWidget*, QSize> sizes_;
};

TEST_F(Form1Test, BuildsEveryControlWithItsKindCaptionAndFlags) {
  const FirstPaintedSizes first_painted(window());
  ASSERT_TRUE(ShowAndActivate());
  ASSERT_TRUE(QTest::qWaitFor([this] { return !window().visibleRegion().isEmpty(); }));
  QApplication::processEvents();
  for (const form::Control each : form::Control::All()) {
    const ControlRow& row = each.description();
    const QString caption = ToQString(row.caption);
    const QRect place = ToQRect(form::PixelsOf(each));
    SCOPED_TRACE(each.name());
    QWidget* control = Control(each);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->objectName(), ToQString(each.name()));
    switch (row.kind) {
      case ControlKind::kLabel: {
        auto* label = qobject_cast<QLabel*>(control);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), caption);
        EXPECT_EQ(label->alignment(), Qt::AlignCenter);
        EXPECT_TRUE(label->autoFillBackground());
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
        EXPECT_EQ(label->pos(), place.topLeft());
        EXPECT_EQ(first_painted.size(label), row.auto_size ? label->sizeHint() : place.size());
        break;
      }
      case ControlKind::kTextBox: {
        auto* box = qobject_cast<QLineEdit*>(control);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->geometry(), place);
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
        EXPECT_EQ(control->geometry(), place);
        EXPECT_EQ(control->focusPolicy(), Qt::NoFocus);
        break;
    }
  }
}

TEST_F(Form1Test, ScreenReadersHearWhatEachBoxHolds) {
  QAccessibleInterface* accessible_window = QAccessible::queryAccessibleInterface(&window());
  ASSERT_NE(accessible_window, nullptr);
  EXPECT_EQ(accessible_window->role(), QAccessible::Window);
  EXPECT_EQ(accessible_window->text(QAccessible::Name), u"Tenvo宠物成长计算器0.5"_qs);
  for (const form::TextBox box : petcalc::testing::kAllBoxes) {
    SCOPED_TRACE(box.name());
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(Control(box));
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name), ToQString(box.description().accessible_name));
  }
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Control(form::Command1))->text(QAccessible::Name),
            u"计 算"_qs);
}

TEST_F(Form1Test, ContextMenusSpeakChinese) {
  for (const form::TextBox box : {form::Text1, form::Text14}) {
    SCOPED_TRACE(box.name());
    const std::unique_ptr<QMenu> menu(Control(box)->createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) texts << action->text();
    EXPECT_TRUE(texts.join(u' ').contains(u"复制"_qs)) << texts.join(u' ').toStdString();
    EXPECT_TRUE(texts.join(u' ').contains(u"全选"_qs)) << texts.join(u' ').toStdString();
  }
  EXPECT_FALSE(InstallQtChinese(u"/nonexistent"_qs));  // warns, and the program runs on
}

TEST_F(Form1Test, BoxesTakeTextsBeyondQtsDefaultLimit) {
  const QString paste(100'000, u'7');
  Control(form::Text1)->setFocus();
  Control(form::Text1)->insert(paste);
  EXPECT_EQ(Text(form::Text1).size(), paste.size());
}

TEST_F(Form1Test, ResizingMovesNothing) {
  ASSERT_TRUE(ShowAndActivate());
  QList<QRect> before;
  for (QWidget* child : window().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    before << child->geometry();
  }
  window().resize(900, 600);
  QApplication::processEvents();
  window().showMaximized();
  QApplication::processEvents();
  QList<QRect> after;
  for (QWidget* child : window().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    after << child->geometry();
  }
  EXPECT_EQ(after, before);
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
  const QImage whole = window().grab().toImage();
  EXPECT_EQ(whole.pixelColor(400, 2), QColor(32, 33, 36));  // empty space right of the grid
  const QImage label = Control(form::Label1)->grab().toImage();
  EXPECT_EQ(label.pixelColor(1, 1), QColor(32, 33, 36));
  const QImage box = Control(form::Text14)->grab().toImage();
  EXPECT_EQ(box.pixelColor(box.width() / 2, box.height() / 2), QColor(24, 24, 27));
}

TEST(LogoView, DrawsTheLogoAtItsOwnSizeOnEveryDensity) {
  LogoView logo;
  const QPixmap plain = logo.pixmapFor(1.0);
  EXPECT_EQ(plain.size(), QSize(113, 57));
  EXPECT_EQ(
      plain.toImage().convertToFormat(QImage::Format_RGB32),
      QImage(QStringLiteral(PETCALC_RESOURCES "/logo.jpg")).convertToFormat(QImage::Format_RGB32));
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

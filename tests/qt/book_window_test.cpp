#include "qt/book_window.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <sstream>

#include "book/book_json.h"
#include "book/captions.h"
#include "form/controls.h"
#include "qt/form1.h"
#include "qt/kept_book.h"
#include "qt/qt_text.h"
#include "tests/book/moved_book.h"
#include "tests/qt/modal_answerer.h"
#include "tests/support/typical_pet.h"

namespace petcalc::qt {
namespace {

QByteArray Corpus(const char* name) {
  QFile file(QStringLiteral(PETCALC_BOOK_CORPUS "/") + QString::fromLatin1(name));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

// A main window and its book in a folder of the test's own, the book opened as at start-up.
class KeptWindow {
 public:
  enum class Open { kNow, kLater };
  explicit KeptWindow(const QByteArray& book_file = {}, Open open = Open::kNow) {
    if (!book_file.isEmpty()) Write(path(), book_file);
    kept_ = std::make_unique<KeptBook>(folder_.path());
    window_ = std::make_unique<Form1>(nullptr, kept_.get());
    if (open == Open::kNow) kept_->open();
  }

  QString path() const { return folder_.filePath(QStringLiteral("book.json")); }
  KeptBook& kept() { return *kept_; }
  Form1& window() { return *window_; }

  void TypeTypicalPet() {
    for (std::size_t i = 0; i < form::kStatBoxCount; ++i) {
      window_->control(form::StatBox(i))->setText(ToQString(testing::kTypicalStats[i]));
    }
  }

 private:
  QTemporaryDir folder_;
  std::unique_ptr<KeptBook> kept_;
  std::unique_ptr<Form1> window_;
};

TEST(KeptBook, AFinishedClickIsOnDiskAfterItsTurnAndAnotherCopyReadsIt) {
  KeptWindow one;
  one.TypeTypicalPet();
  one.window().control(form::Command1)->click();
  EXPECT_EQ(one.window().control(form::Text25)->text(), u"8"_qs);  // the click, answered first
  ASSERT_EQ(one.kept().book().size(), 1u);
  EXPECT_TRUE(one.kept().saveNow());
  const book::FileRead read = book::ReadBookJson(Bytes(one.path()).toStdString());
  ASSERT_TRUE(read.file);
  ASSERT_EQ(read.file->records.size(), 1u);
  EXPECT_EQ(read.file->records[0].growth.total, 100000);

  one.kept().setKeeping(false);
  one.window().control(form::Text7)->setText(QStringLiteral("12"));
  one.window().control(form::Command1)->click();
  EXPECT_EQ(one.kept().book().size(), 1u) << "the switch is off";
}

TEST(KeptBook, TakesInAnotherCopysSaveAsItLands) {
  KeptWindow one;
  KeptBook other(QFileInfo(one.path()).absolutePath());
  other.open();
  one.TypeTypicalPet();
  one.window().control(form::Command1)->click();
  ASSERT_TRUE(one.kept().saveNow());
  EXPECT_TRUE(QTest::qWaitFor([&] { return other.book().size() == 1; }));
}

TEST(KeptBook, AFileItCannotReadIsLeftByteForByteWhateverIsClicked) {
  for (const char* name : {"newer-version.json", "not-json.json", "repeated-key.json"}) {
    SCOPED_TRACE(name);
    const QByteArray bytes = Corpus(name);
    ASSERT_FALSE(bytes.isEmpty());
    KeptWindow window(bytes);
    EXPECT_TRUE(window.kept().store().read_only());
    EXPECT_FALSE(window.kept().store().problem().empty());
    window.TypeTypicalPet();
    window.window().control(form::Command1)->click();
    window.window().control(form::Text41)->setText(QStringLiteral("21"));
    window.window().control(form::Command2)->click();
    window.kept().saveNow();
    EXPECT_EQ(Bytes(window.path()), bytes);
  }
}

class BookWindowTest : public ::testing::Test {
 protected:
  BookWindowTest() : kept_(Corpus("good-book.json")), book_(kept_.kept(), kept_.window()) {
    book_.present();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&book_));
  }

  // The names down the list, as it shows them.
  QStringList Names() const {
    QStringList names;
    for (int row = 0; row < book_.order()->rowCount(); ++row) {
      names << book_.order()->index(row, BookModel::kName).data().toString();
    }
    return names;
  }
  void Select(int row) {
    book_.table()->setCurrentIndex(book_.order()->index(row, BookModel::kName));
  }

  KeptWindow kept_;
  BookWindow book_;
  testing::ModalAnswerer answerer_;
};

TEST_F(BookWindowTest, ListsTheRecordsUnderTheirHeadingsPinnedFirstInEitherOrder) {
  QStringList headings;
  for (int column = 0; column < BookModel::kColumnCount; ++column) {
    headings << book_.order()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
  }
  EXPECT_EQ(headings, (QStringList{u"置顶"_qs, u"名字"_qs, u"等级"_qs, u"三围成长"_qs, u"总成长"_qs,
                                   u"预测等级"_qs, u"修改时间"_qs}));
  EXPECT_EQ(book_.windowTitle(), u"宠物记录"_qs);
  for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
    book_.table()->sortByColumn(BookModel::kTotal, order);
    ASSERT_EQ(book_.order()->rowCount(), 3);
    EXPECT_EQ(book_.order()->index(0, BookModel::kPinned).data().toString(), u"★"_qs);
    EXPECT_EQ(book_.order()->index(0, BookModel::kLevel).data().toString(), u"1→11"_qs);
  }
}

TEST_F(BookWindowTest, SortsNamesInPinyinOrderAndFiltersOnNameOrNote) {
  book::Book& book = kept_.kept().book();
  kept_.kept().changed(book.SplitOff("a1", book::Now()));  // a pet of its own, to name alone
  kept_.kept().changed(book.SetPinned("a1", false, book::Now()));
  // In code-point order 小 < 张 < 白.
  for (const auto& [id, name] : {std::pair{"a1", "张三"}, {"a2", "白"}, {"a3", "小"}}) {
    kept_.kept().changed(book.Rename(id, name, book::Now()));
  }
  book_.table()->sortByColumn(BookModel::kName, Qt::AscendingOrder);
  EXPECT_EQ(Names(), (QStringList{u"白"_qs, u"小"_qs, u"张三"_qs}));

  book_.findChild<QLineEdit*>(QStringLiteral("BookFilter"))->setText(u"两行"_qs);  // in a3's note
  EXPECT_EQ(Names(), QStringList{u"小"_qs});
}

TEST_F(BookWindowTest, F2RenamesTheSelectedRecordAndTheNameIsKept) {
  book_.table()->sortByColumn(BookModel::kTotal, Qt::AscendingOrder);
  Select(1);
  book_.table()->setFocus();
  QTest::keyClick(book_.table(), Qt::Key_F2);
  QWidget* editor = QApplication::focusWidget();
  ASSERT_NE(editor, book_.table());
  QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(editor, QStringLiteral("Rex"));
  QTest::keyClick(editor, Qt::Key_Return);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Names().contains(u"Rex"_qs); }));
  EXPECT_TRUE(kept_.kept().saveNow());
  EXPECT_TRUE(Bytes(kept_.path()).contains("\"Rex\""));
}

TEST_F(BookWindowTest, ADeletionIsUndoneInPlace) {
  Select(0);
  book_.table()->setFocus();
  QTest::keyClick(book_.table(), Qt::Key_Delete);
  EXPECT_EQ(book_.order()->rowCount(), 2);
  EXPECT_EQ(book_.said(), u"已删除 1 条记录"_qs);
  QTest::keyClick(book_.table(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(book_.order()->rowCount(), 3);
  EXPECT_EQ(book_.said(), u"已撤销"_qs);
}

TEST_F(BookWindowTest, PutsARecordBackThroughTheWindowsClicksAndUndoesIt) {
  book_.table()->sortByColumn(BookModel::kTotal, Qt::AscendingOrder);
  Select(0);  // pinned a1: the typical pet, target level 21
  kept_.window().control(form::Text1)->setText(QStringLiteral("7"));
  QTest::keyClick(book_.table(), Qt::Key_Return);
  EXPECT_EQ(kept_.window().control(form::Text26)->text(), ToQString(testing::kTypicalTotalSum));
  EXPECT_EQ(kept_.window().control(form::Text42)->text(),
            ToQString(testing::kTypicalPredictions[0]));
  EXPECT_EQ(book_.said(), u"已放回窗口"_qs);
  QTest::keyClick(book_.table(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(kept_.window().control(form::Text1)->text(), u"7"_qs);
  EXPECT_EQ(kept_.window().control(form::Text26)->text(), QString());
  EXPECT_EQ(kept_.kept().book().size(), 3u) << "the record held the clicks already";
}

TEST_F(BookWindowTest, ClearsOnlyWhenConfirmedAndTheTimelineListsThePet) {
  Select(0);
  const auto* timeline = book_.findChild<QTableWidget*>(QStringLiteral("BookTimeline"));
  ASSERT_NE(timeline, nullptr);
  EXPECT_EQ(timeline->rowCount(), 2);  // 小白 at levels 11 and 21
  answerer_.Expect([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
  for (QPushButton* button : book_.findChildren<QPushButton*>()) {
    if (button->text() == u"清空"_qs) button->click();
  }
  EXPECT_EQ(kept_.kept().book().size(), 3u);
  EXPECT_TRUE(answerer_.AllAnswered());
}

// The system's file dialog answered with `path`, as a player types a file's name and presses Enter.
testing::ModalAnswerer::Handler ChooseFile(const QString& path) {
  return [path](QWidget* dialog) {
    auto* files = qobject_cast<QFileDialog*>(dialog);
    ASSERT_NE(files, nullptr) << "not a file dialog";
    // Typed, not selectFile(), which leaves the name field as it is while it has the focus.
    auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr) << "a file dialog without its name field";
    name->setText(path);
    static_cast<QDialog*>(files)->accept();  // as Enter in its name field
  };
}

TEST(BookWindowFiles, ABookFileMovesInAndOutRecordForRecordThroughTheFileDialogs) {
  KeptWindow kept;
  BookWindow book(kept.kept(), kept.window());
  book.present();
  testing::ModalAnswerer answerer;
  const auto press = [&](std::string_view caption) {
    for (QPushButton* button : book.findChildren<QPushButton*>()) {
      if (button->text() == FromUtf8(caption)) button->click();
    }
  };
  answerer.Expect(ChooseFile(QStringLiteral(PETCALC_BOOK_CORPUS "/good-book.json")));
  answerer.Expect([](QWidget* preview) { qobject_cast<QDialog*>(preview)->accept(); });
  press(book::captions::kImport);
  EXPECT_EQ(kept.kept().book().size(), 3u);

  QTemporaryDir elsewhere;
  const QString exported = elsewhere.filePath(QStringLiteral("导出.json"));
  answerer.Expect(ChooseFile(exported));
  press(book::captions::kExport);
  EXPECT_TRUE(answerer.AllAnswered());
  const std::string from_page = Corpus("good-book.json").toStdString();
  const std::string written = Bytes(exported).toStdString();
  EXPECT_EQ(book::testing::EntriesOf(written), book::testing::EntriesOf(from_page));
}

// The book window that F2 opened, or a problem did; null while there is none.
BookWindow* ShownBook() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* book = qobject_cast<BookWindow*>(window); book && book->isVisible()) return book;
  }
  return nullptr;
}

TEST(BookWindowOpener, OpensOnF2FromAnyBoxOfTheMainWindow) {
  KeptWindow kept;
  BookWindowOpener opener(kept.kept(), kept.window());
  kept.window().show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&kept.window()));
  EXPECT_EQ(ShownBook(), nullptr) << "made only when wanted";
  QTest::keyClick(kept.window().control(form::Text1), Qt::Key_F2);
  ASSERT_NE(ShownBook(), nullptr);
  EXPECT_EQ(ShownBook()->windowTitle(), u"宠物记录"_qs);
}

TEST(BookWindowOpener, ShowsAFileItCannotReadWithTheChoicesItHas) {
  KeptWindow kept(Corpus("newer-version.json"), KeptWindow::Open::kLater);
  BookWindowOpener opener(kept.kept(), kept.window());
  kept.kept().open();
  BookWindow* book = ShownBook();
  ASSERT_NE(book, nullptr);
  QStringList buttons;
  for (const QPushButton* button : book->findChildren<QPushButton*>()) {
    if (button->isVisibleTo(book)) buttons << button->text();
  }
  EXPECT_TRUE(buttons.contains(u"新建记录"_qs));
  EXPECT_FALSE(buttons.contains(u"恢复备份"_qs)) << "there is no backup";
  book->close();
}

}  // namespace
}  // namespace petcalc::qt

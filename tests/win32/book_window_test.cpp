// The Windows program's book: its clicks kept on disk, files it cannot read left alone, and its
// book window driven through its real controls and messages.
#include "win32/book_window.h"

#include <commctrl.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "book/book_json.h"
#include "book/captions.h"
#include "tests/book/moved_book.h"
#include "tests/support/typical_pet.h"
#include "tests/win32/fixture.h"
#include "win32/wide_text.h"

namespace petcalc::win32::testing {
namespace {

// A corpus file's path as the system's dialog names it.
std::wstring CorpusPath(const char* name) {
  std::wstring path = WideFromUtf8(std::string(PETCALC_BOOK_CORPUS "/") + name);
  std::replace(path.begin(), path.end(), L'/', L'\\');
  return path;
}

std::string Corpus(const char* name) {
  Win32BookFiles files;
  return files.Read(Utf8FromWide(CorpusPath(name))).bytes;
}

class Win32Book : public Form1Test {
 protected:
  explicit Win32Book(const std::string& file = {}) : Form1Test(file) {}

  std::string OnDisk() const {
    Win32BookFiles files;
    return files.Read(folder().utf8() + "\\book.json").bytes;
  }

  void TypeTypicalPet() {
    for (std::size_t i = 0; i < form::kStatBoxCount; ++i) {
      Put(form::StatBox(i), petcalc::testing::kTypicalStats[i]);
    }
  }
  BookWindow& Opened() {
    Press(Control(form::Text1), {.key = VK_F2});
    EXPECT_NE(opener().book(), nullptr);
    return *opener().book();
  }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const book::Record* record : opener().book()->shown()) {
      names.push_back(book::ShownName(*record));
    }
    return names;
  }
  void Select(int row) {
    HWND list = opener().book()->list();
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    Pump();
  }
};

TEST_F(Win32Book, AFinishedClickIsOnDiskAfterItsTurnAndTheSwitchStopsKeeping) {
  TypeTypicalPet();
  Click(form::Command1);
  const book::FileRead read = book::ReadBookJson(OnDisk());
  ASSERT_TRUE(read.file) << read.problem;
  ASSERT_EQ(read.file->records.size(), 1u);
  EXPECT_EQ(read.file->records[0].growth.total, 100000);

  book().SetKeeping(false);
  Put(form::Text7, u"12");
  Click(form::Command1);
  EXPECT_EQ(book().book().size(), 1u);
}

class Win32GoodBook : public Win32Book {
 protected:
  Win32GoodBook() : Win32Book(Corpus("good-book.json")) {}
};

TEST_F(Win32GoodBook, OpensOnF2AndFromTheSystemMenuWithTheMainWindowAsItWas) {
  EXPECT_EQ(opener().book(), nullptr) << "made only when wanted";
  BookWindow& book = Opened();
  EXPECT_TRUE(IsWindowVisible(book.hwnd()));
  EXPECT_EQ(Utf8(WindowText(book.hwnd())), "宠物记录");
  EXPECT_EQ(GetActiveWindow(), book.hwnd());
  ShowWindow(book.hwnd(), SW_HIDE);
  SendMessageW(window().hwnd(), WM_SYSCOMMAND, 0x0F10, 0);
  Pump();
  EXPECT_TRUE(IsWindowVisible(book.hwnd()));
  EXPECT_EQ(Text(form::Text1), L"");
}

TEST_F(Win32GoodBook, ListsPinnedFirstSortsNamesInPinyinAndFilters) {
  BookWindow& window = Opened();
  ASSERT_EQ(window.shown().size(), 3u);
  for (const bool ascending : {true, false}) {
    window.SortBy(book::Column::kTotal, ascending);
    EXPECT_TRUE(window.shown().front()->pinned);
  }
  book::Book& records = book().book();
  book().Changed(records.SplitOff("a1", book::Now()));
  book().Changed(records.SetPinned("a1", false, book::Now()));
  for (const auto& [id, name] : {std::pair{"a1", "张三"}, {"a2", "白"}, {"a3", "小"}}) {
    book().Changed(records.Rename(id, name, book::Now()));
  }
  window.SortBy(book::Column::kName, true);
  EXPECT_EQ(Names(), (std::vector<std::string>{"白", "小", "张三"}));
  SetWindowTextW(GetDlgItem(window.hwnd(), 105), L"两行");  // the filter: a3's note
  Pump();
  EXPECT_EQ(Names(), std::vector<std::string>{"小"});
}

TEST_F(Win32GoodBook, DeletesWithUndoAndPutsBackThroughTheWindowsClicks) {
  BookWindow& window = Opened();
  window.SortBy(book::Column::kTotal, true);
  Select(0);  // pinned a1: the typical pet, target level 21
  Press(window.list(), {.key = VK_DELETE});
  EXPECT_EQ(window.shown().size(), 2u);
  EXPECT_EQ(Utf8(window.said()), "已删除 1 条记录");
  window.Press(book::captions::kUndo);
  EXPECT_EQ(window.shown().size(), 3u);

  Select(0);
  Put(form::Text1, u"7");
  window.Press(book::captions::kPutBack);
  EXPECT_EQ(FromWide(Text(form::Text26)), petcalc::testing::kTypicalTotalSum);
  EXPECT_EQ(FromWide(Text(form::Text42)), petcalc::testing::kTypicalPredictions[0]);
  window.Press(book::captions::kUndo);
  EXPECT_EQ(Text(form::Text1), L"7");
  EXPECT_EQ(Text(form::Text26), L"");
  EXPECT_EQ(book().book().size(), 3u) << "the record held the clicks already";
}

TEST_F(Win32GoodBook, ClearsOnlyWhenConfirmed) {
  BookWindow& window = Opened();
  answerer_.Expect([](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); });
  window.Press(book::captions::kClear);
  EXPECT_EQ(book().book().size(), 3u);
  EXPECT_TRUE(answerer_.AllAnswered());
}

// The system's file dialog answered with `path`, as a player types a file's name and presses Enter.
DialogAnswerer::Handler ChooseFile(const std::wstring& path) {
  return [path](HWND dialog) {
    // The name's field: an edit of its own in one layout of the dialog, a combo box's in another.
    for (const int field : {edt1, cmb13}) SetDlgItemTextW(dialog, field, path.c_str());
    SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(IsWindowVisible(dialog)) << "the dialog took no file named " << Utf8FromWide(path);
  };
}

TEST_F(Win32Book, ABookFileMovesInAndOutRecordForRecordThroughTheFileDialogs) {
  BookWindow& window = Opened();
  answerer_.Expect(ChooseFile(CorpusPath("good-book.json")));
  answerer_.Expect([](HWND preview) { PostMessageW(preview, WM_COMMAND, IDOK, 0); });
  window.Press(book::captions::kImport);
  EXPECT_EQ(book().book().size(), 3u);

  const std::wstring exported = folder().path() + L"\\导出.json";
  answerer_.Expect(ChooseFile(exported));
  window.Press(book::captions::kExport);
  EXPECT_TRUE(answerer_.AllAnswered());
  Win32BookFiles files;
  const std::string written = files.Read(Utf8FromWide(exported)).bytes;
  const std::string from_page = Corpus("good-book.json");
  EXPECT_EQ(book::testing::EntriesOf(written), book::testing::EntriesOf(from_page));
}

// A dialog's list: its rows, and its columns' headings.
HWND ListOf(HWND dialog) { return FindWindowExW(dialog, nullptr, WC_LISTVIEWW, nullptr); }

// Wine reads a list view to a screen reader as a plain client, not as the list of items under
// headings that comctl32 gives on Windows: what it does give is the list's name.
TEST_F(Win32GoodBook, ItsListIsNamedForTheBook) {
  EXPECT_EQ(Utf8(AccessibleName(Opened().list())), "宠物记录");
}

TEST_F(Win32GoodBook, ComparesTheSelectedRecordsInATable) {
  BookWindow& window = Opened();
  for (const int row : {0, 1})
    ListView_SetItemState(window.list(), row, LVIS_SELECTED, LVIS_SELECTED);
  int headings = 0;
  int rows = 0;
  answerer_.Expect([&](HWND dialog) {
    headings = Header_GetItemCount(ListView_GetHeader(ListOf(dialog)));
    rows = ListView_GetItemCount(ListOf(dialog));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  });
  window.Press(book::captions::kCompare);
  EXPECT_TRUE(answerer_.AllAnswered());
  EXPECT_EQ(headings, 3) << "the item, then each record";
  EXPECT_GT(rows, 5);
}

TEST_F(Win32Book, AnImportBringsBackOnlyTheRecordsDeletedHereThatAreChecked) {
  TypeTypicalPet();
  Click(form::Command1);
  Put(form::Text7, u"12");
  Click(form::Command1);
  BookWindow& window = Opened();
  const std::wstring exported = folder().path() + L"\\两条.json";
  answerer_.Expect(ChooseFile(exported));
  window.Press(book::captions::kExport);
  answerer_.Expect([](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDOK, 0); });
  window.Press(book::captions::kClear);
  ASSERT_EQ(book().book().size(), 0u);

  answerer_.Expect(ChooseFile(exported));
  int offered = 0;
  answerer_.Expect([&](HWND preview) {
    offered = ListView_GetItemCount(ListOf(preview));
    ListView_SetCheckState(ListOf(preview), 1, TRUE);
    PostMessageW(preview, WM_COMMAND, IDOK, 0);
  });
  window.Press(book::captions::kImport);
  EXPECT_TRUE(answerer_.AllAnswered());
  EXPECT_EQ(offered, 2);
  EXPECT_EQ(book().book().size(), 1u) << "the one checked, the other left deleted";
}

class Win32UnreadableBook : public Win32Book, public ::testing::WithParamInterface<const char*> {
 protected:
  Win32UnreadableBook() : Win32Book(Corpus(GetParam())) {}
};

TEST_P(Win32UnreadableBook, IsLeftByteForByteAndSaidInTheBookWindow) {
  const std::string bytes = OnDisk();
  ASSERT_FALSE(bytes.empty());
  EXPECT_TRUE(book().store().read_only());
  ASSERT_NE(opener().book(), nullptr) << "the problem is shown";
  EXPECT_TRUE(IsWindowVisible(opener().book()->hwnd()));
  TypeTypicalPet();
  Click(form::Command1);
  Put(form::Text41, u"21");
  Click(form::Command2);
  book().SaveNow();
  EXPECT_EQ(OnDisk(), bytes);
}

INSTANTIATE_TEST_SUITE_P(Files, Win32UnreadableBook,
                         ::testing::Values("newer-version.json", "not-json.json",
                                           "repeated-key.json"));

}  // namespace
}  // namespace petcalc::win32::testing

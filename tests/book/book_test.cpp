// The book's own rules: what a finished click keeps, what a player does with a record, and
// how two copies of one book agree.
#include "book/book.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "book/merge.h"
#include "tests/book/book_fixture.h"

namespace petcalc::book {
namespace {

using testing::At;
using testing::CountedIds;
using testing::kOther;
using testing::kTypical;
using testing::kTypicalLater;

std::vector<std::string> Ids(const std::vector<const Record*>& records) {
  std::vector<std::string> ids;
  ids.reserve(records.size());
  for (const Record* record : records) ids.push_back(record->id);
  return ids;
}

TEST(Book, AFinishedClickGoesToTheNewestRecordOfItsStatsOrMakesOne) {
  Book book(CountedIds());
  const Kept first = book.KeepGrowth(kTypical, At(1));
  EXPECT_EQ(first.id, "id1");
  EXPECT_EQ(first.changes, Changes{"id1"});
  EXPECT_EQ(book.Find("id1")->growth.total, 100000) << "computed from the stats: 10";

  const Kept predicted = book.KeepPrediction(kTypical, 21, At(2));
  EXPECT_EQ(predicted.id, "id1");
  EXPECT_EQ(book.Find("id1")->prediction, (Prediction{100, 80, 90, 50, 50}));
  EXPECT_EQ(book.Find("id1")->changed, At(2));

  const Kept again = book.KeepGrowth(kTypical, At(3));
  EXPECT_EQ(again.id, "id1");
  EXPECT_TRUE(again.changes.empty()) << "the record holds the growth already";
  EXPECT_EQ(book.Find("id1")->target_level, 21) << "a growth click keeps the prediction";

  EXPECT_EQ(book.KeepPrediction(kOther, 9, At(4)).id, "id3") << "a new record, a new pet";
  EXPECT_EQ(book.Find("id3")->pet, "id4");
  EXPECT_EQ(book.KeepGrowth(testing::Stats({5, 0, 0, 0, 0, 0}, {5, 1, 1, 1, 1, 1}), At(5)).id, "")
      << "a refused growth keeps nothing";
  EXPECT_EQ(book.size(), 2u);
}

// A click looks its record up in indexes made at the first click: the records read in before it
// are found, and so are those read in after it, while a deleted one is not.
TEST(Book, AClickFindsTheRecordsReadInBeforeAndAfterItsFirstLook) {
  Book from(CountedIds("from"));
  const std::string typical = from.KeepGrowth(kTypical, At(1)).id;
  const std::string other = from.KeepGrowth(kOther, At(2)).id;
  Book book(CountedIds());
  book.Absorb(*from.EntryOf(typical));
  EXPECT_EQ(book.KeepGrowth(kTypical, At(3)).id, typical);
  book.Absorb(*from.EntryOf(other));
  EXPECT_EQ(book.KeepPrediction(kOther, 9, At(4)).id, other);
  book.Delete({typical}, At(5));
  book.Index();
  EXPECT_EQ(book.KeepGrowth(kTypical, At(6)).id, "id1") << "a new record for a deleted one";
  EXPECT_EQ(book.Find("id1")->pet, "id2") << "the deleted record's pet is gone with it";
}

TEST(Book, ANewRecordJoinsThePetOfTheSameInitialStatsAndTakesItsName) {
  Book book(CountedIds());
  book.KeepGrowth(kTypical, At(1));
  book.Rename("id1", "小白", At(2));
  const Kept later = book.KeepGrowth(kTypicalLater, At(3));
  EXPECT_EQ(book.Find(later.id)->pet, book.Find("id1")->pet);
  EXPECT_EQ(book.Find(later.id)->name, "小白");
  EXPECT_EQ(Ids(book.RecordsOf(book.Find("id1")->pet)), (std::vector<std::string>{"id1", later.id}))
      << "the timeline in level order";

  book.Rename(later.id, "大白", At(4));
  EXPECT_EQ(book.Find("id1")->name, "大白") << "a name is its pet's";
  EXPECT_EQ(book.SplitOff(later.id, At(5)), Changes{later.id});
  EXPECT_NE(book.Find(later.id)->pet, book.Find("id1")->pet);
  EXPECT_EQ(book.Find(later.id)->name, "大白");
  book.KeepGrowth(kOther, At(6));
  EXPECT_EQ(book.JoinPet("id5", "id1", At(7)), Changes{"id5"});
  EXPECT_EQ(book.Find("id5")->pet, book.Find("id1")->pet);
}

TEST(Book, NamesAndNotesAreCutToTheirLimits) {
  Book book(CountedIds());
  book.KeepGrowth(kTypical, At(1));
  std::string long_name;
  for (int i = 0; i < 50; ++i) long_name += "白";
  book.Rename("id1", long_name, At(2));
  EXPECT_EQ(book.Find("id1")->name.size(), kMaxNameLength * 3) << "40 characters of 3 bytes";
  EXPECT_TRUE(book.SetNote("id1", "第一行\n第二行", At(3)).size() == 1);
  EXPECT_TRUE(book.SetNote("id1", "第一行\n第二行", At(4)).empty()) << "no change, no write";
  EXPECT_TRUE(book.SetPinned("nobody", true, At(5)).empty());
}

TEST(Book, AnUndoBringsTheDeletedRecordsBackAsTheyWere) {
  Book book(CountedIds());
  book.KeepGrowth(kTypical, At(1));
  book.KeepGrowth(kOther, At(2));
  const Deletion deletion = book.Delete({"id1", "missing"}, At(3));
  EXPECT_EQ(book.size(), 1u);
  EXPECT_EQ(book.FindDeleted("id1")->deleted, At(3));
  EXPECT_EQ(book.Undo(deletion), Changes{"id1"});
  EXPECT_EQ(book.Find("id1")->changed, At(1)) << "in place";
  EXPECT_EQ(book.Find("id1")->revived, At(3));
  EXPECT_EQ(book.FindDeleted("id1"), nullptr);

  const Deletion cleared = book.Clear(At(4));
  EXPECT_EQ(book.size(), 0u);
  EXPECT_EQ(book.Deleted().size(), 2u);
  EXPECT_EQ(book.Undo(cleared).size(), 2u);
}

// Two copies that each change one book, then meet.
struct Copies {
  Book mine{CountedIds("mine")};
  Book theirs{CountedIds("theirs")};

  void Share(const Book& from, Book& to, const Changes& ids) {
    for (const std::string& id : ids) to.Absorb(*from.EntryOf(id));
  }
};

TEST(Copies, ADeletionBeatsEditsMadeWithoutSeeingItAndOnlyItsOwnUndoBringsTheRecordBack) {
  Copies copies;
  const Kept kept = copies.mine.KeepGrowth(kTypical, At(1));
  copies.Share(copies.mine, copies.theirs, kept.changes);

  const Changes edited = copies.theirs.SetNote(kept.id, "他们的", At(5));
  const Deletion deletion = copies.mine.Delete({kept.id}, At(3));
  copies.Share(copies.theirs, copies.mine, edited);
  EXPECT_EQ(copies.mine.Find(kept.id), nullptr) << "a later edit made without seeing the deletion";
  copies.Share(copies.mine, copies.theirs, {kept.id});
  EXPECT_EQ(copies.theirs.Find(kept.id), nullptr);

  const Changes undone = copies.mine.Undo(deletion);
  copies.Share(copies.mine, copies.theirs, undone);
  ASSERT_NE(copies.theirs.Find(kept.id), nullptr) << "the deleting copy's undo";
  const Changes after = copies.theirs.SetNote(kept.id, "看到之后", At(9));
  copies.Share(copies.theirs, copies.mine, after);
  EXPECT_EQ(copies.mine.Find(kept.id)->note, "看到之后") << "an edit made after seeing it";
}

// Whatever order the copies' versions of one record meet in, every copy keeps the same one.
TEST(Copies, AgreeWhateverOrderTheirVersionsMeetIn) {
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    std::vector<Entry> versions;
    for (int i = 0; i < 6; ++i) {
      const int life = static_cast<int>(random() % 3);
      if (random() % 3 == 0) {
        versions.push_back(Tombstone{"x", At(life * 10 + static_cast<int>(random() % 3))});
      } else {
        Record record;
        record.id = "x";
        record.pet = "p";
        record.stats = kTypical;
        record.note = std::string(1, static_cast<char>('a' + random() % 3));
        record.changed = At(static_cast<int>(random() % 4));
        if (life > 0) record.revived = At(life * 10 + static_cast<int>(random() % 3));
        versions.push_back(record);
      }
    }
    std::string first;
    for (int order = 0; order < 4; ++order) {
      std::shuffle(versions.begin(), versions.end(), random);
      Book book;
      for (const Entry& version : versions) book.Absorb(version);
      const Record* kept = book.Find("x");
      const std::string result =
          kept != nullptr ? "record " + kept->note + std::to_string(kept->changed.milliseconds())
                          : "deleted";
      if (order == 0) first = result;
      EXPECT_EQ(result, first) << "round " << round;
    }
  }
}

}  // namespace
}  // namespace petcalc::book

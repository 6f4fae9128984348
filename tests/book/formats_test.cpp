// The book's file, its spreadsheet and its link: written and read back as the same book, and
// every reader refusing what it should.
#include <gtest/gtest.h>

#include <random>

#include "book/book_csv.h"
#include "book/book_import.h"
#include "book/book_json.h"
#include "book/share_link.h"
#include "book/summary.h"
#include "tests/book/book_fixture.h"

namespace petcalc::book {
namespace {

using testing::At;
using testing::CountedIds;
using testing::kOther;
using testing::kTypical;
using testing::kTypicalLater;

// A book of `count` records with every kind of text and field, some deleted.
Book MixedBook(int count, std::uint32_t seed) {
  std::mt19937 random(seed);
  Book book(CountedIds());
  constexpr const char* kTexts[] = {"",
                                    "小白",
                                    "=1+2",
                                    "-3",
                                    "@x",
                                    "'quoted",
                                    "a,b",
                                    "say \"hi\"",
                                    "two\nlines",
                                    "\ttab",
                                    "𝒳 beyond the BMP"};
  for (int i = 0; i < count; ++i) {
    PetStats stats = i % 2 ? kTypical : kTypicalLater;
    stats[1] = static_cast<std::int32_t>(random() % 100000) - 50000;
    stats[7] = static_cast<std::int32_t>(random());
    const Kept kept = random() % 2
                          ? book.KeepGrowth(stats, At(i))
                          : book.KeepPrediction(stats, static_cast<int>(random() % 90) - 30, At(i));
    if (kept.id.empty()) continue;
    const char* text = kTexts[random() % std::size(kTexts)];
    book.Rename(kept.id, text, At(i));
    book.SetNote(kept.id, kTexts[random() % std::size(kTexts)], At(i));
    book.SetPinned(kept.id, random() % 2 == 0, At(i));
  }
  if (count > 3) book.Delete({"id1", "id3"}, At(count));
  return book;
}

// What a book holds, as text, to compare two books.
std::string Contents(const Book& book) {
  std::string contents;
  for (const Record* record : book.Records()) contents += EntryJson(*record) + "\n";
  for (const Tombstone* tombstone : book.Deleted()) contents += EntryJson(*tombstone) + "\n";
  return contents;
}

Book Read(const FileRead& read) {
  EXPECT_TRUE(read.file.has_value()) << read.problem;
  Book book;
  if (!read.file) return book;
  EXPECT_TRUE(read.file->problems.empty())
      << read.file->problems[0].where << read.file->problems[0].reason;
  for (const Record& record : read.file->records) book.Absorb(record);
  for (const Tombstone& tombstone : read.file->deleted) book.Absorb(tombstone);
  return book;
}

TEST(BookJson, ABookWrittenAndReadBackIsTheSameBook) {
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    const Book book = MixedBook(30, seed);
    EXPECT_EQ(Contents(Read(ReadBookJson(BookJson(book)))), Contents(book)) << "seed " << seed;
  }
}

TEST(BookCsv, ABookWrittenAndReadBackHoldsTheSameRecords) {
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    const Book book = MixedBook(30, seed);
    Book records;
    for (const Record* record : book.Records()) records.Absorb(*record);
    const std::string csv = BookCsv(book);
    EXPECT_EQ(Contents(Read(ReadBookCsv(csv, At(0)))), Contents(records)) << "seed " << seed;
  }
}

TEST(BookCsv, WritesTheWindowsNumbersAndGuardsTextFromSpreadsheets) {
  Book book(CountedIds());
  book.KeepPrediction(kTypical, 21, At(0));
  book.Rename("id1", "=HYPERLINK(\"x\")", At(0));
  book.SetNote("id1", "多行\n备注", At(0));
  const std::string csv = BookCsv(book);
  EXPECT_TRUE(csv.starts_with(
      "\xEF\xBB\xBF编号,宠物,名字,备注,置顶,创建时间,修改时间,初始等级,初始体力,初始攻击,初始防御,"
      "初始敏捷,初始灵感,当前等级,当前体力,当前攻击,当前防御,当前敏捷,当前灵感,体力成长率,"
      "攻击成长率,防御成长率,敏捷成长率,灵感成长率,三围成长,总成长,预测等级,预测体力,预测攻击,"
      "预测防御,预测敏捷,预测灵感\r\n"));
  EXPECT_NE(csv.find(",\"'=HYPERLINK(\"\"x\"\")\",\"多行\n备注\",否,2026-12-08T00:00:00.000Z,"),
            std::string::npos)
      << csv;
  EXPECT_NE(csv.find(",1,50,20,30,10,10,11,75,50,60,30,30,2.5,3,3,2,2,8,10,21,100,80,90,50,50\r\n"),
            std::string::npos)
      << csv;
}

TEST(BookCsv, ReadsEnglishHeadingsInAnyOrderAndSaysWhichRowsItCannot) {
  const std::string csv =
      "current_level,initial_level,Initial_Stamina,initial_attack,initial_defence,initial_agility,"
      "initial_inspiration,current_stamina,current_attack,current_defence,current_agility,"
      "current_inspiration,name,pinned,other\n"
      "11,1,50,20,30,10,10,75,50,60,30,30,'-小白,yes,ignored\n"
      "\n"
      "5,5,1,1,1,1,1,1,1,1,1,1,equal,no,\n"
      "11,1,50,20,30,10,10,75,50,60,30,x,,,\n"
      "11,1,50,20,30,10,10,75,50,60,30,2147483648,,,\n"
      "11,1,50\n"
      "11,1,50,20,30,10,10,75,50,60,30,30,\"open,no,\n";
  const FileRead read = ReadBookCsv(csv, At(9));
  ASSERT_TRUE(read.file.has_value()) << read.problem;
  ASSERT_EQ(read.file->records.size(), 1u);
  const Record& record = read.file->records[0];
  EXPECT_EQ(record.name, "-小白");
  EXPECT_TRUE(record.pinned);
  EXPECT_EQ(record.stats, kTypical);
  EXPECT_EQ(record.made, At(9));
  std::vector<std::string> problems;
  for (const RowProblem& problem : read.file->problems)
    problems.push_back(problem.where + " " + problem.reason);
  EXPECT_EQ(problems, (std::vector<std::string>{
                          "第 4 行 这些属性算不出成长率（初始等级与当前等级相同，或数值溢出）",
                          "第 5 行 当前灵感 不是整数", "第 6 行 当前灵感 不是整数",
                          "第 7 行 列数与标题行不符", "第 8 行 引号没有闭合"}));
}

TEST(Readers, RefuseWholeFilesThatAreNotABookOfThisVersion) {
  const struct {
    const char* why;
    std::string json;
    std::string problem;
  } cases[] = {
      {"not JSON", "{\"format\":", "不是 JSON 文件，或文件已损坏"},
      {"trailing text",
       "{\"format\":\"petcalc-book\",\"version\":1,\"program\":\"1\",\"records\":[]} x",
       "不是 JSON 文件，或文件已损坏"},
      {"another format", "{\"format\":\"other\",\"version\":1}", "不是宠物记录文件"},
      {"a newer version",
       "{\"format\":\"petcalc-book\",\"version\":2,\"program\":\"9\",\"records\":[]}",
       "此文件由较新版本的程序写成（格式版本 2），请先更新本程序再导入"},
      {"a repeated key", "{\"format\":\"petcalc-book\",\"format\":\"petcalc-book\"}",
       "不是宠物记录文件：字段 “format” 重复"},
      {"an unknown key",
       "{\"format\":\"petcalc-book\",\"version\":1,\"program\":\"1\",\"records\":[],\"x\":1}",
       "不是宠物记录文件：未知字段 “x”"},
      {"deeply nested", std::string(100000, '['), "不是 JSON 文件，或文件已损坏"},
      {"too large", std::string(kMaxFileBytes + 1, ' '), "文件太大（超过 64 MiB）"},
  };
  for (const auto& c : cases) {
    const FileRead read = ReadBookJson(c.json);
    EXPECT_FALSE(read.file.has_value()) << c.why;
    EXPECT_EQ(read.problem, c.problem) << c.why;
  }
}

TEST(Readers, SayWhichEntryOfAFileTheyCannotTakeAndWhy) {
  const std::string good =
      R"({"id":"a","pet":"p","made":"2026-12-08T00:00:00Z","changed":"2026-12-08T00:00:00Z","initial":[1,50,20,30,10,10],"current":[11,75,50,60,30,30])";
  const struct {
    const char* why;
    std::string record;
    std::string problem;
  } cases[] = {
      {"well formed", good + "}", ""},
      {"a float",
       R"({"id":"a","pet":"p","made":"2026-12-08T00:00:00Z","changed":"2026-12-08T00:00:00Z","initial":[1.0,50,20,30,10,10],"current":[11,75,50,60,30,30]})",
       "字段 “initial” 有误"},
      {"beyond 32 bits", good.substr(0, good.size() - 2) + "3000000000]}", "字段 “current” 有误"},
      {"a repeated key", good + ",\"id\":\"b\"}", "字段 “id” 重复"},
      {"a lone surrogate", good + ",\"name\":\"\\udc00\"}", "文字编码有误"},
      {"an unknown key", good + ",\"growth\":[]}", "未知字段 “growth”"},
      {"a bad id", R"({"id":"a b"})", "字段 “id” 有误"},
      {"a day the month lacks", good + ",\"revived\":\"2026-02-29T00:00:00Z\"}",
       "字段 “revived” 有误"},
      {"a name too long", good + ",\"name\":\"" + std::string(41, 'x') + "\"}",
       "名字太长（最多 40 个字）"},
      {"a control in a name", good + ",\"name\":\"a\\nb\"}", "含有控制字符"},
      {"a target not predicted", good + ",\"target\":1}",
       "这个预测等级无法预测（与初始等级相同，或数值溢出）"},
  };
  for (const auto& c : cases) {
    const std::string json =
        "{\"format\":\"petcalc-book\",\"version\":1,\"program\":\"1.00\",\"records\":[" + c.record +
        "],\"deleted\":[{\"id\":\"z\",\"deleted\":\"x\"}]}";
    const FileRead read = ReadBookJson(json);
    ASSERT_TRUE(read.file.has_value()) << c.why;
    ASSERT_EQ(read.file->problems.size(), c.problem.empty() ? 1u : 2u) << c.why;
    EXPECT_EQ(read.file->problems.back().where, "删除记录 1");
    if (!c.problem.empty()) {
      EXPECT_EQ(read.file->problems[0].reason, c.problem) << c.why;
    }
    EXPECT_EQ(ReadEntryJson(c.record).problem, c.problem) << c.why;
  }
}

TEST(Import, PreviewsWhatItWouldDoThenMergesNeverReplacing) {
  Book here(CountedIds("here"));
  here.KeepGrowth(kTypical, At(1));
  here.KeepGrowth(kOther, At(2));
  here.KeepGrowth(kTypicalLater, At(3));
  Book there = Read(ReadBookJson(BookJson(here)));
  here.Delete({"here1"}, At(10));
  there.SetNote("here3", "newer there", At(11));
  there.Absorb(Tombstone{"here5", At(12)});
  Book(CountedIds("new")).KeepGrowth(kOther, At(4));  // an unrelated book
  there.Absorb([&] {
    Record record = *there.Find("here3");
    record.id = "fresh";
    return record;
  }());

  ImportPreview preview = PreviewImport(here, *ReadBookJson(BookJson(there)).file);
  EXPECT_EQ(preview.new_records, 1u);
  EXPECT_EQ(preview.already_there, 0u) << "here3 changed there, here5 deleted there";
  EXPECT_EQ(preview.changed, 1u);
  EXPECT_EQ(preview.deleted, 1u);
  ASSERT_EQ(preview.deleted_here.size(), 1u);
  EXPECT_EQ(IdOf(preview.entries[preview.deleted_here[0]]), "here1");

  ApplyImport(here, preview, {"here1"});
  EXPECT_NE(here.Find("here1"), nullptr) << "brought back";
  EXPECT_EQ(here.Find("here3")->note, "newer there");
  EXPECT_EQ(here.Find("here5"), nullptr);
  EXPECT_NE(here.Find("fresh"), nullptr);
  EXPECT_EQ(PreviewImport(here, *ReadBookJson(BookJson(there)).file).changed, 0u)
      << "importing twice is importing once";
}

TEST(Import, ARowWithoutIdsIsTheRecordOfItsStatsOrANewOneOfItsPet) {
  Book here(CountedIds());
  here.KeepGrowth(kTypical, At(1));
  const std::string csv = BookCsv(here);
  const std::string without_ids =
      "初始等级,初始体力,初始攻击,初始防御,初始敏捷,初始灵感,当前等级,当前体力,"
      "当前攻击,当前防御,当前敏捷,当前灵感\n"
      "1,50,20,30,10,10,11,75,50,60,30,30\n"
      "1,50,20,30,10,10,21,99,81,90,51,50\n";
  const ImportPreview preview = PreviewImport(here, *ReadBookCsv(without_ids, At(5)).file);
  EXPECT_EQ(preview.already_there, 1u);
  ASSERT_EQ(preview.entries.size(), 1u);
  EXPECT_EQ(std::get<Record>(preview.entries[0]).pet, here.Find("id1")->pet);
}

TEST(ShareFragment, CarriesTheStatsAndTheTargetLevelAndNothingElse) {
  EXPECT_EQ(ShareFragment({kTypical, 21}), "pet1=1,50,20,30,10,10,11,75,50,60,30,30;21");
  EXPECT_EQ(ReadShareFragment("pet1=1,50,20,30,10,10,11,75,50,60,30,30;21")->target_level, 21);
  EXPECT_EQ(ReadShareFragment("pet1=1,50,20,30,10,10,11,75,50,60,30,-2147483648")->stats[11],
            -2147483647 - 1);
  for (const char* bad :
       {"", "pet2=1,50,20,30,10,10,11,75,50,60,30,30", "pet1=1,50,20,30,10,10,11,75,50,60,30",
        "pet1=1,50,20,30,10,10,11,75,50,60,30,30,1", "pet1=1,50,20,30,10,10,11,75,50,60,30,30;",
        "pet1=01,50,20,30,10,10,11,75,50,60,30,30",
        "pet1=1,50,20,30,10,10,11,75,50,60,30,2147483648",
        "pet1=+1,50,20,30,10,10,11,75,50,60,30,30", "pet1=1,,20,30,10,10,11,75,50,60,30,30",
        "pet1=-0,50,20,30,10,10,11,75,50,60,30,30"}) {
    EXPECT_FALSE(ReadShareFragment(bad).has_value()) << bad;
  }
}

TEST(Summary, SaysThePetAsTheWindowNamesItsBoxes) {
  Book book(CountedIds());
  book.KeepPrediction(kTypical, 21, At(0));
  book.Rename("id1", "小白", At(0));
  EXPECT_EQ(Summary(*book.Find("id1")),
            "小白（宠物记录）\n"
            "初始等级 1，初始体力 50，初始攻击 20，初始防御 30，初始敏捷 10，初始灵感 10\n"
            "当前等级 11，当前体力 75，当前攻击 50，当前防御 60，当前敏捷 30，当前灵感 30\n"
            "体力成长率 2.5，攻击成长率 3，防御成长率 3，敏捷成长率 2，灵感成长率 2，三围成长 "
            "8，总成长 10\n"
            "预测等级 21：预测体力 100，预测攻击 80，预测防御 90，预测敏捷 50，预测灵感 50\n");
  const Kept later = book.KeepGrowth(kTypicalLater, At(1));
  const std::vector<ComparedValue> compared = Compare({book.Find("id1"), book.Find(later.id)});
  ASSERT_EQ(compared.size(), 12u + 7u + 6u);
  EXPECT_EQ(compared[7].values, (std::vector<std::string>{"75", "99"}));
  EXPECT_EQ(compared[7].differences, std::vector<std::string>{"+24"});
  EXPECT_EQ(compared[12].name, "体力成长率");
  EXPECT_EQ(compared[12].differences, std::vector<std::string>{"-0.05"});
  EXPECT_EQ(compared[19].differences, std::vector<std::string>{"—"}) << "no target to compare";
}

TEST(Time, IsWrittenInUtcAndReadOnlyAsWritten) {
  EXPECT_EQ(TimeText(At(0)), "2026-12-08T00:00:00.000Z");
  EXPECT_EQ(TimeText(kLastTime), "9999-12-31T23:59:59.999Z");
  EXPECT_EQ(ReadTime("2024-02-29T23:59:59.001Z"), Time::FromMilliseconds(1709251199001));
  EXPECT_EQ(ReadTime("1970-01-01T00:00:00Z"), kFirstTime);
  for (const char* bad :
       {"2023-02-29T00:00:00Z", "2026-12-08T24:00:00Z", "2026-12-08T00:00:60Z",
        "2026-12-08 00:00:00Z", "2026-12-08T00:00:00", "1969-12-31T23:59:59Z",
        "2026-12-08T00:00:00.1Z", "2026-13-01T00:00:00Z", "+2026-12-08T00:00:00Z"}) {
    EXPECT_FALSE(ReadTime(bad).has_value()) << bad;
  }
}

}  // namespace
}  // namespace petcalc::book

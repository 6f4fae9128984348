#include "book/book_keeper.h"

namespace petcalc::book {
namespace {

// The switch's file holds one word.
constexpr std::string_view kOff = "off\n";
constexpr std::string_view kOn = "on\n";

}  // namespace

BookKeeper::BookKeeper(BookFiles& files, std::string folder)
    : files_(files), switch_path_(folder + "/keeping.txt"), store_(files, std::move(folder)) {}

void BookKeeper::Open() {
  if (opened_) return;
  opened_ = true;
  store_.Open(book_);
  problem_ = store_.problem();
  const FileBytes word = files_.Read(switch_path_);
  keeping_ = !(word.state == FileBytes::State::kRead && word.bytes == kOff);
}

Changes BookKeeper::Keep(const FinishedClick& click, Time now) {
  Open();
  if (!keeping_ || store_.read_only()) return {};
  const Kept kept = click.kind == FinishedClick::Kind::kGrowth
                        ? book_.KeepGrowth(click.stats, now)
                        : book_.KeepPrediction(click.stats, click.target_level, now);
  return kept.changes;
}

std::string BookKeeper::SetKeeping(bool keeping) {
  keeping_ = keeping;
  if (std::string made = files_.MakeFolder(store_.folder()); !made.empty()) return made;
  return files_.Replace(switch_path_, keeping ? kOn : kOff);
}

BookStore::Saved BookKeeper::Save() {
  BookStore::Saved saved = store_.Save(book_);
  problem_ = saved.problem;
  return saved;
}

BookStore::Saved BookKeeper::Reload() {
  BookStore::Saved taken = store_.Reload(book_);
  if (!taken.problem.empty()) problem_ = taken.problem;
  return taken;
}

void BookKeeper::Restore(Time now) { Chose(store_.Restore(book_, now)); }

void BookKeeper::StartNew(Time now) { Chose(store_.StartNew(book_, now)); }

void BookKeeper::Chose(const std::string& problem) {
  problem_ = problem.empty() ? store_.problem() : problem;
}

}  // namespace petcalc::book

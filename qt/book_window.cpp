#include "qt/book_window.h"

#include <QClipboard>
#include <QDate>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QListWidget>
#include <QMessageBox>
#include <QSaveFile>
#include <QShortcut>
#include <QStringDecoder>
#include <QVBoxLayout>
#include <algorithm>

#include "book/book_csv.h"
#include "book/book_import.h"
#include "book/book_json.h"
#include "book/captions.h"
#include "book/summary.h"
#include "form/dialog_captions.h"
#include "form/stats.h"
#include "qt/qt_text.h"

namespace petcalc::qt {
namespace {

namespace captions = book::captions;

constexpr std::size_t kMaxCompared = 4;

QPushButton* Button(std::string_view caption, QWidget* parent) {
  return new QPushButton(FromUtf8(caption), parent);
}

// A file's bytes, read whole up to the largest a book may be; or why not.
struct Bytes {
  QByteArray bytes;
  QString problem;
};
Bytes ReadWhole(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {{}, file.errorString()};
  Bytes read{file.read(static_cast<qint64>(book::kMaxFileBytes) + 1), {}};
  if (file.error() != QFileDevice::NoError) read.problem = file.errorString();
  return read;
}

// A spreadsheet's text as UTF-8: as it is, or decoded strictly from GB18030.
std::optional<std::string> SpreadsheetText(const QByteArray& bytes) {
  const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  if (book::IsUtf8(view)) return std::string(view);
  QStringDecoder decoder("GB18030");
  const QString text = decoder.decode(bytes);
  if (decoder.hasError()) return std::nullopt;
  return text.toStdString();
}

// The dialog's one modal answer: whether the player took `accept`.
bool Ask(QWidget* owner, const QString& title, QWidget* content, const QString& accept) {
  QDialog dialog(owner);
  dialog.setWindowTitle(title);
  auto* layout = new QVBoxLayout(&dialog);
  content->setParent(&dialog);
  layout->addWidget(content);
  auto* buttons = new QDialogButtonBox(&dialog);
  buttons->addButton(accept, QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(FromUtf8(captions::kCancel), QDialogButtonBox::RejectRole);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  return dialog.exec() == QDialog::Accepted;
}

void Tell(QWidget* owner, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, owner);
  box.addButton(ToQString(form::kOkCaption), QMessageBox::AcceptRole);
  box.exec();
}

}  // namespace

BookWindow::BookWindow(KeptBook& kept, Form1& window)
    : QWidget(nullptr, Qt::Window), kept_(kept), window_(window) {
  setObjectName(QStringLiteral("BookWindow"));
  // The program ends with its main window; the book is a window beside it.
  setAttribute(Qt::WA_QuitOnClose, false);
  setWindowTitle(FromUtf8(captions::kTitle));
  model_ = new BookModel(
      kept_.book(),
      [this](const std::string& id, const QString& name) {
        changed(kept_.book().Rename(id, name.toStdString(), book::Now()));
      },
      this);
  order_ = new BookOrder(this);
  order_->setSourceModel(model_);

  auto* layout = new QVBoxLayout(this);
  problem_ = new QLabel(this);
  problem_->setWordWrap(true);
  problem_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  restore_ = Button(captions::kRestore, this);
  start_new_ = Button(captions::kStartNew, this);
  auto* problem_row = new QHBoxLayout;
  problem_row->addWidget(problem_, 1);
  problem_row->addWidget(restore_);
  problem_row->addWidget(start_new_);
  layout->addLayout(problem_row);
  layout->addWidget(makeToolbar());

  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("BookTable"));
  table_->setAccessibleName(FromUtf8(captions::kTitle));
  table_->setModel(order_);
  table_->setSortingEnabled(true);
  table_->sortByColumn(BookModel::kChanged, Qt::DescendingOrder);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  table_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::DoubleClicked);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->setWordWrap(false);
  layout->addWidget(table_, 1);
  empty_ = new QLabel(FromUtf8(captions::kEmpty), this);
  empty_->setWordWrap(true);
  layout->addWidget(empty_);
  layout->addWidget(makeDetail());
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("BookStatus"));
  layout->addWidget(status_);

  connectSignals();
  refreshed();
  showProblem(QString());
  resize(760, 640);
}

QWidget* BookWindow::makeToolbar() {
  auto* bar = new QWidget(this);
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(0, 0, 0, 0);
  keeping_ = new QCheckBox(FromUtf8(captions::kKeeping), bar);
  filter_ = new QLineEdit(bar);
  filter_->setObjectName(QStringLiteral("BookFilter"));
  filter_->setPlaceholderText(FromUtf8(captions::kFilterHint));
  filter_->setClearButtonEnabled(true);
  auto* filter_label = new QLabel(FromUtf8(captions::kFilter), bar);
  filter_label->setBuddy(filter_);
  filter_->setAccessibleName(FromUtf8(captions::kFilter) + FromUtf8(captions::kFilterHint));
  compare_ = Button(captions::kCompare, bar);
  undo_ = Button(captions::kUndo, bar);
  undo_->setEnabled(false);
  row->addWidget(keeping_);
  row->addWidget(filter_label);
  row->addWidget(filter_, 1);
  row->addWidget(compare_);
  for (auto [caption, run] : {std::pair{captions::kExport, &BookWindow::exportBook},
                              std::pair{captions::kImport, &BookWindow::importBook},
                              std::pair{captions::kClear, &BookWindow::clearAll}}) {
    QPushButton* button = Button(caption, bar);
    connect(button, &QPushButton::clicked, this, run);
    row->addWidget(button);
  }
  row->addWidget(undo_);
  return bar;
}

QWidget* BookWindow::makeDetail() {
  detail_ = new QWidget(this);
  auto* column = new QVBoxLayout(detail_);
  column->setContentsMargins(0, 0, 0, 0);
  heading_ = new QLabel(detail_);
  QFont bold = heading_->font();
  bold.setBold(true);
  heading_->setFont(bold);
  column->addWidget(heading_);

  auto* fields = new QHBoxLayout;
  name_ = new QLineEdit(detail_);
  name_->setMaxLength(static_cast<int>(book::kMaxNameLength));
  note_ = new QPlainTextEdit(detail_);
  note_->setMaximumHeight(note_->fontMetrics().lineSpacing() * 3 + 12);
  note_->setTabChangesFocus(true);
  note_->installEventFilter(this);
  auto* name_label = new QLabel(FromUtf8(captions::kNameHeading), detail_);
  name_label->setBuddy(name_);
  auto* note_label = new QLabel(FromUtf8(captions::kNote), detail_);
  note_label->setBuddy(note_);
  name_->setAccessibleName(FromUtf8(captions::kNameHeading));
  note_->setAccessibleName(FromUtf8(captions::kNote));
  fields->addWidget(name_label);
  fields->addWidget(name_);
  fields->addWidget(note_label);
  fields->addWidget(note_, 1);
  column->addLayout(fields);

  auto* actions = new QHBoxLayout;
  const auto add = [&](std::string_view caption, void (BookWindow::*run)()) {
    QPushButton* button = Button(caption, detail_);
    connect(button, &QPushButton::clicked, this, run);
    actions->addWidget(button);
    return button;
  };
  add(captions::kPutBack, &BookWindow::putBack);
  add(captions::kCopyText, &BookWindow::copyText);
  pin_ = add(captions::kPin, &BookWindow::togglePin);
  add(captions::kDelete, &BookWindow::removeSelected);
  add(captions::kSplit, &BookWindow::split);
  join_ = add(captions::kJoin, &BookWindow::join);
  actions->addStretch(1);
  column->addLayout(actions);

  timeline_caption_ = new QLabel(detail_);
  column->addWidget(timeline_caption_);
  auto* timeline = new QHBoxLayout;
  timeline_ = new QTableWidget(detail_);
  timeline_->setObjectName(QStringLiteral("BookTimeline"));
  timeline_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  timeline_->verticalHeader()->hide();
  timeline_->setColumnCount(static_cast<int>(form::kGrownStatCount) + 1);
  QStringList headings{FromUtf8(captions::kLevelHeading)};
  for (const form::StatBoxes& stat : form::kGrownStats) {
    headings << ToQString(stat.growth.description().accessible_name);
  }
  timeline_->setHorizontalHeaderLabels(headings);
  for (std::size_t stat = 0; stat < form::kGrownStatCount; ++stat) {
    timeline_->horizontalHeaderItem(static_cast<int>(stat) + 1)
        ->setForeground(TimelineChart::colourOf(stat));
  }
  timeline_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  chart_ = new TimelineChart(detail_);
  timeline->addWidget(timeline_, 1);
  timeline->addWidget(chart_, 1);
  column->addLayout(timeline);
  return detail_;
}

void BookWindow::connectSignals() {
  connect(&kept_, &KeptBook::recordsChanged, this, &BookWindow::refreshed);
  connect(&kept_, &KeptBook::problemChanged, this, &BookWindow::showProblem);
  connect(restore_, &QPushButton::clicked, &kept_, &KeptBook::restore);
  connect(start_new_, &QPushButton::clicked, &kept_, &KeptBook::startNew);
  connect(keeping_, &QCheckBox::toggled, this, &BookWindow::setKeeping);
  connect(filter_, &QLineEdit::textChanged, order_, &BookOrder::setWanted);
  connect(compare_, &QPushButton::clicked, this, &BookWindow::compare);
  connect(undo_, &QPushButton::clicked, this, &BookWindow::takeBack);
  connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &BookWindow::showCurrent);
  connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &BookWindow::showCurrent);
  connect(name_, &QLineEdit::editingFinished, this, [this] {
    if (const book::Record* record = current(); record && name_->isModified()) {
      name_->setModified(false);
      changed(kept_.book().Rename(record->id, name_->text().toStdString(), book::Now()));
    }
  });
  auto* remove =
      new QShortcut(QKeySequence::Delete, table_, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
  connect(remove, &QShortcut::activated, this, &BookWindow::removeSelected);
  auto* undo = new QShortcut(QKeySequence::Undo, this);
  connect(undo, &QShortcut::activated, this, &BookWindow::takeBack);
  connect(table_, &QTableView::activated, this, &BookWindow::putBack);
}

void BookWindow::present() {
  keeping_->setChecked(kept_.keeping());
  show();
  raise();
  activateWindow();
  table_->setFocus();
}

bool BookWindow::eventFilter(QObject* watched, QEvent* event) {
  // A note is kept when the player leaves it: what an input method still composes is not yet it.
  if (watched == note_ && event->type() == QEvent::FocusOut) {
    if (const book::Record* record = current(); record && note_->document()->isModified()) {
      note_->document()->setModified(false);
      changed(kept_.book().SetNote(record->id, note_->toPlainText().toStdString(), book::Now()));
    }
  }
  return QWidget::eventFilter(watched, event);
}

std::vector<const book::Record*> BookWindow::selected() const {
  QModelIndexList rows = table_->selectionModel()->selectedRows();
  std::sort(rows.begin(), rows.end(),
            [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
  std::vector<const book::Record*> records;
  for (const QModelIndex& row : rows) {
    records.push_back(model_->recordAt(order_->mapToSource(row).row()));
  }
  return records;
}

const book::Record* BookWindow::current() const {
  const QModelIndex index = table_->currentIndex();
  if (!index.isValid() || !table_->selectionModel()->isRowSelected(index.row(), {})) {
    return nullptr;
  }
  return model_->recordAt(order_->mapToSource(index).row());
}

void BookWindow::refreshed() {
  const std::string keep = shown_id_;
  model_->refresh();
  empty_->setVisible(kept_.book().size() == 0);
  // The record the player was on stays selected through the change.
  for (int row = 0; row < order_->rowCount(); ++row) {
    const QModelIndex index = order_->index(row, BookModel::kName);
    if (index.data(BookModel::kIdRole).toString().toStdString() == keep) {
      table_->selectionModel()->setCurrentIndex(
          index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
      break;
    }
  }
  showCurrent();
}

void BookWindow::showCurrent() {
  const std::vector<const book::Record*> picked = selected();
  compare_->setEnabled(picked.size() >= 2 && picked.size() <= kMaxCompared);
  const book::Record* record = current();
  detail_->setVisible(record != nullptr);
  if (record == nullptr) {
    shown_id_.clear();
    return;
  }
  join_->setEnabled(picked.size() == 2);
  pin_->setText(FromUtf8(record->pinned ? captions::kUnpin : captions::kPin));
  heading_->setText(QStringLiteral("%1：%2 %3")
                        .arg(NameOf(*record), FromUtf8(captions::kLevelHeading),
                             QString::fromStdString(book::LevelsOf(*record))));
  const bool same = shown_id_ == record->id;
  if (!same || !name_->hasFocus()) name_->setText(QString::fromStdString(record->name));
  if (!same || !note_->hasFocus()) note_->setPlainText(QString::fromStdString(record->note));
  shown_id_ = record->id;
  showTimeline(*record);
}

void BookWindow::showTimeline(const book::Record& record) {
  const std::vector<const book::Record*> records = kept_.book().RecordsOf(record.pet);
  timeline_caption_->setText(
      FromUtf8(captions::kTimelineFormat)
          .arg(record.name.empty() ? FromUtf8(captions::kThisPet) : NameOf(record))
          .arg(records.size()));
  timeline_->setRowCount(static_cast<int>(records.size()));
  for (int row = 0; row < static_cast<int>(records.size()); ++row) {
    const book::Record& one = *records[static_cast<std::size_t>(row)];
    timeline_->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(book::LevelsOf(one))));
    for (std::size_t stat = 0; stat < form::kGrownStatCount; ++stat) {
      timeline_->setItem(row, static_cast<int>(stat) + 1,
                         new QTableWidgetItem(ToQString(GrowthText(one.growth.per_level[stat]))));
    }
  }
  chart_->setRecords(records);
}

void BookWindow::showProblem(const QString& problem) {
  const QString shown =
      problem.isEmpty() ? QString::fromStdString(kept_.store().problem()) : problem;
  problem_->setText(shown);
  problem_->setVisible(!shown.isEmpty());
  const bool read_only = kept_.store().read_only();
  restore_->setVisible(read_only && kept_.store().can_restore());
  start_new_->setVisible(read_only);
}

void BookWindow::changed(const book::Changes& ids) { kept_.changed(ids); }

void BookWindow::say(const QString& text) {
  said_ = text;
  status_->setText(text);
}

void BookWindow::offerUndo(const QString& what, std::function<void()> undo) {
  undo_action_ = std::move(undo);
  undo_->setEnabled(true);
  say(what);
}

void BookWindow::takeBack() {
  if (!undo_action_) return;
  const std::function<void()> run = std::move(undo_action_);
  undo_action_ = nullptr;
  undo_->setEnabled(false);
  run();
  say(FromUtf8(captions::kUndone));
}

void BookWindow::putBack() {
  const book::Record* record = current();
  if (record == nullptr) return;
  if (window_.clicking()) {
    say(FromUtf8(captions::kBusy));
    return;
  }
  const Form1::Held before = window_.held();
  const PetStats stats = record->stats;
  const std::optional<std::int32_t> target = record->target_level;
  window_.putBack(stats, target);
  offerUndo(FromUtf8(captions::kPutBackDone), [this, before] {
    if (!window_.clicking()) window_.restore(before);
  });
}

void BookWindow::copyText() {
  if (const book::Record* record = current()) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(book::Summary(*record)));
    say(FromUtf8(captions::kCopied));
  }
}

void BookWindow::togglePin() {
  if (const book::Record* record = current()) {
    changed(kept_.book().SetPinned(record->id, !record->pinned, book::Now()));
  }
}

void BookWindow::removeSelected() {
  std::vector<std::string> ids;
  for (const book::Record* record : selected()) ids.push_back(record->id);
  if (ids.empty()) return;
  book::Deletion deletion = kept_.book().Delete(ids, book::Now());
  const std::size_t count = deletion.records.size();
  changed(ids);
  offerUndo(FromUtf8(captions::kDeletedFormat).arg(count),
            [this, deletion] { changed(kept_.book().Undo(deletion)); });
}

void BookWindow::split() {
  if (const book::Record* record = current()) {
    changed(kept_.book().SplitOff(record->id, book::Now()));
  }
}

void BookWindow::join() {
  const book::Record* record = current();
  const std::vector<const book::Record*> picked = selected();
  if (record == nullptr || picked.size() != 2) return;
  const book::Record* other = picked[0] == record ? picked[1] : picked[0];
  changed(kept_.book().JoinPet(record->id, other->id, book::Now()));
}

void BookWindow::compare() {
  const std::vector<const book::Record*> records = selected();
  if (records.size() < 2 || records.size() > kMaxCompared) return;
  const std::vector<book::ComparedValue> values = book::Compare(records);
  auto* table =
      new QTableWidget(static_cast<int>(values.size()), static_cast<int>(records.size()) + 1);
  table->setObjectName(QStringLiteral("BookCompared"));
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->verticalHeader()->hide();
  QStringList headings{FromUtf8(captions::kCompareItem)};
  for (const book::Record* record : records) headings << NameOf(*record);
  table->setHorizontalHeaderLabels(headings);
  for (int row = 0; row < static_cast<int>(values.size()); ++row) {
    const book::ComparedValue& value = values[static_cast<std::size_t>(row)];
    table->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(value.name)));
    for (std::size_t i = 0; i < value.values.size(); ++i) {
      QString text = QString::fromStdString(value.values[i]);
      if (i > 0)
        text += QStringLiteral("（%1）").arg(QString::fromStdString(value.differences[i - 1]));
      table->setItem(row, static_cast<int>(i) + 1, new QTableWidgetItem(text));
    }
  }
  table->resizeColumnsToContents();
  QDialog dialog(this);
  dialog.setWindowTitle(FromUtf8(captions::kCompareTitleFormat).arg(records.size()));
  auto* layout = new QVBoxLayout(&dialog);
  table->setParent(&dialog);
  layout->addWidget(table);
  auto* buttons = new QDialogButtonBox(&dialog);
  buttons->addButton(ToQString(form::kOkCaption), QDialogButtonBox::AcceptRole);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  layout->addWidget(buttons);
  dialog.resize(640, 480);
  dialog.exec();
}

void BookWindow::clearAll() {
  if (kept_.book().size() == 0) return;
  auto* question = new QLabel(FromUtf8(captions::kClearQuestionFormat).arg(kept_.book().size()));
  if (!Ask(this, FromUtf8(captions::kClear), question, FromUtf8(captions::kClearAll))) return;
  book::Deletion deletion = kept_.book().Clear(book::Now());
  book::Changes ids;
  for (const book::Record& record : deletion.records) ids.push_back(record.id);
  changed(ids);
  offerUndo(FromUtf8(captions::kDeletedFormat).arg(ids.size()),
            [this, deletion] { changed(kept_.book().Undo(deletion)); });
}

void BookWindow::exportBook() {
  const QString json = FromUtf8(captions::kBookFileFilter);
  const QString csv = FromUtf8(captions::kSpreadsheetFilter);
  QString filter = json;
  const QString name =
      FromUtf8(captions::kExportNameFormat).arg(QDate::currentDate().toString(Qt::ISODate)) +
      QStringLiteral(".json");
  QString path = QFileDialog::getSaveFileName(this, FromUtf8(captions::kExport), name,
                                              json + QStringLiteral(";;") + csv, &filter);
  if (path.isEmpty()) return;
  const bool as_csv = filter == csv || path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
  const std::string bytes = as_csv ? book::BookCsv(kept_.book()) : book::BookJson(kept_.book());
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size()) ||
      !file.commit()) {
    Tell(this, FromUtf8(captions::kExport), file.errorString());
  }
}

void BookWindow::importBook() {
  const QString path =
      QFileDialog::getOpenFileName(this, FromUtf8(captions::kImport), QString(),
                                   FromUtf8(captions::kBookFileFilter) + QStringLiteral(";;") +
                                       FromUtf8(captions::kSpreadsheetFilter));
  if (path.isEmpty()) return;
  const QString file_name = QFileInfo(path).fileName();
  const auto refuse = [&](const QString& why) {
    Tell(this, FromUtf8(captions::kImport),
         FromUtf8(captions::kImportRefusedFormat).arg(file_name, why));
  };
  const Bytes read = ReadWhole(path);
  if (!read.problem.isEmpty()) return refuse(read.problem);
  const bool is_json =
      path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive) || read.bytes.startsWith('{');
  book::FileRead file;
  if (is_json) {
    file =
        book::ReadBookJson({read.bytes.constData(), static_cast<std::size_t>(read.bytes.size())});
  } else if (const std::optional<std::string> text = SpreadsheetText(read.bytes)) {
    file = book::ReadBookCsv(*text, book::Now());
  } else {
    file.problem = book::kUndecodable;
  }
  if (!file.file) return refuse(QString::fromStdString(file.problem));

  book::ImportPreview preview = book::PreviewImport(kept_.book(), std::move(*file.file));
  auto* content = new QWidget;
  auto* layout = new QVBoxLayout(content);
  layout->addWidget(new QLabel(FromUtf8(captions::kImportSummaryFormat)
                                   .arg(preview.new_records)
                                   .arg(preview.already_there)
                                   .arg(preview.changed)
                                   .arg(preview.deleted)));
  QListWidget* back = nullptr;
  if (!preview.deleted_here.empty()) {
    layout->addWidget(
        new QLabel(FromUtf8(captions::kImportDeletedHereFormat).arg(preview.deleted_here.size())));
    back = new QListWidget;
    for (const std::size_t at : preview.deleted_here) {
      const auto& record = std::get<book::Record>(preview.entries[at]);
      auto* item = new QListWidgetItem(QStringLiteral("%1（%2 %3）")
                                           .arg(NameOf(record), FromUtf8(captions::kLevelHeading),
                                                QString::fromStdString(book::LevelsOf(record))),
                                       back);
      item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
      item->setCheckState(Qt::Unchecked);
      item->setData(Qt::UserRole, QString::fromStdString(record.id));
    }
    layout->addWidget(back);
  }
  if (!preview.problems.empty()) {
    layout->addWidget(
        new QLabel(FromUtf8(captions::kImportProblemsFormat).arg(preview.problems.size())));
    auto* problems = new QListWidget;
    for (const book::RowProblem& problem : preview.problems) {
      problems->addItem(QString::fromStdString(problem.where + "：" + problem.reason));
    }
    layout->addWidget(problems);
  }
  if (!Ask(this, FromUtf8(captions::kImport) + QStringLiteral("“%1”").arg(file_name), content,
           FromUtf8(captions::kImport))) {
    return;
  }
  std::vector<std::string> bring_back;
  for (int i = 0; back != nullptr && i < back->count(); ++i) {
    if (back->item(i)->checkState() == Qt::Checked) {
      bring_back.push_back(back->item(i)->data(Qt::UserRole).toString().toStdString());
    }
  }
  const book::Changes changes = book::ApplyImport(kept_.book(), preview, bring_back);
  changed(changes);
  say(FromUtf8(captions::kImportedFormat).arg(changes.size()));
}

void BookWindow::setKeeping(bool keeping) {
  if (keeping == kept_.keeping()) return;
  kept_.setKeeping(keeping);
  say(FromUtf8(keeping ? captions::kKeepingOn : captions::kKeepingOff));
}

BookWindowOpener::BookWindowOpener(KeptBook& kept, Form1& window) : kept_(kept), window_(window) {
  connect(&window, &Form1::bookWanted, this, [this] { made().present(); });
  connect(&kept, &KeptBook::problemChanged, this, [this](const QString& problem) {
    if (problem.isEmpty() || (book_ && book_->isVisible())) return;
    made().show();
  });
}

BookWindowOpener::~BookWindowOpener() = default;

BookWindow& BookWindowOpener::made() {
  if (!book_) book_ = std::make_unique<BookWindow>(kept_, window_);
  return *book_;
}

}  // namespace petcalc::qt

#include "qt/book_model.h"

#include <QDateTime>
#include <QLocale>
#include <QTimer>

#include "book/captions.h"
#include "calc/pet_results.h"
#include "form/stats.h"
#include "qt/qt_text.h"

namespace petcalc::qt {
namespace {

book::Column ColumnAt(int column) { return book::kColumns.at(static_cast<std::size_t>(column)); }

}  // namespace

QString NameOf(const book::Record& record) {
  return QString::fromStdString(book::ShownName(record));
}

std::string TimeShown(book::Time time) {
  return QDateTime::fromMSecsSinceEpoch(time.milliseconds())
      .toLocalTime()
      .toString(QStringLiteral("yyyy-MM-dd HH:mm"))
      .toStdString();
}

BookModel::BookModel(const book::Book& book, Rename rename, QObject* parent)
    : QAbstractTableModel(parent), book_(book), rename_(std::move(rename)) {
  refresh();
}

void BookModel::refresh() {
  beginResetModel();
  records_ = book_.Records();
  endResetModel();
}

const book::Record* BookModel::recordAt(int row) const {
  return row >= 0 && row < rowCount() ? records_[static_cast<std::size_t>(row)] : nullptr;
}

int BookModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(records_.size());
}

int BookModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant BookModel::data(const QModelIndex& index, int role) const {
  const book::Record* record = recordAt(index.row());
  if (record == nullptr) return {};
  switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
      return QString::fromStdString(book::CellText(*record, ColumnAt(index.column()), TimeShown));
    case Qt::EditRole:
      return QString::fromStdString(record->name);
    case kIdRole:
      return QString::fromStdString(record->id);
    case Qt::TextAlignmentRole:
      if (index.column() == kName) return {};
      return index.column() == kPinned ? QVariant(Qt::AlignCenter)
                                       : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
      return {};
  }
}

QVariant BookModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) return {};
  if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
  return FromUtf8(book::HeadingOf(ColumnAt(section)));
}

Qt::ItemFlags BookModel::flags(const QModelIndex& index) const {
  const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  return index.column() == kName ? flags | Qt::ItemIsEditable : flags;
}

bool BookModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  const book::Record* record = recordAt(index.row());
  if (record == nullptr || role != Qt::EditRole || index.column() != kName) return false;
  // On the next turn: the book's change resets the model, which the view's editor that gave
  // the name must not see while it closes.
  QTimer::singleShot(0, this,
                     [this, id = record->id, name = value.toString()] { rename_(id, name); });
  return true;
}

// Names are Chinese whatever the system speaks: pinyin order.
BookOrder::BookOrder(QObject* parent)
    : QSortFilterProxyModel(parent), collator_(QLocale(QLocale::Chinese, QLocale::China)) {
  collator_.setNumericMode(true);
}

bool BookOrder::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  const auto* model = static_cast<const BookModel*>(sourceModel());
  const book::Record& a = *model->recordAt(left.row());
  const book::Record& b = *model->recordAt(right.row());
  const auto names = [this](const book::Record& x, const book::Record& y) {
    return collator_.compare(NameOf(x), NameOf(y));
  };
  // Sorting down, the proxy puts a before b where b is "less": the book's order is given as that.
  const bool ascending = sortOrder() == Qt::AscendingOrder;
  return ascending ? book::ComesBefore(a, b, ColumnAt(left.column()), true, names)
                   : book::ComesBefore(b, a, ColumnAt(left.column()), false, names);
}

void BookOrder::setWanted(const QString& wanted) {
  wanted_ = wanted;
  invalidateFilter();
}

bool BookOrder::filterAcceptsRow(int row, const QModelIndex&) const {
  if (wanted_.isEmpty()) return true;
  const book::Record* record = static_cast<const BookModel*>(sourceModel())->recordAt(row);
  return QString::fromStdString(record->name).contains(wanted_, Qt::CaseInsensitive) ||
         QString::fromStdString(record->note).contains(wanted_, Qt::CaseInsensitive);
}

}  // namespace petcalc::qt

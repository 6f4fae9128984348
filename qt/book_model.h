#pragma once

#include <QAbstractTableModel>
#include <QCollator>
#include <QSortFilterProxyModel>
#include <functional>
#include <string>
#include <vector>

#include "book/book.h"
#include "book/book_columns.h"

namespace petcalc::qt {

// The book's records as a table, one row a record, for a view that draws only what it shows.
// Reset whole whenever the book changes: a row holds a record's address, which a change may end.
class BookModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // The columns are book::kColumns, in their order.
  static constexpr int kPinned = 0, kName = 1, kLevel = 2, kThree = 3, kTotal = 4, kTarget = 5,
                       kChanged = 6, kColumnCount = static_cast<int>(book::kColumnCount);
  static constexpr int kIdRole = Qt::UserRole;

  // A name typed into the list (F2 on a record) is given to `rename`.
  using Rename = std::function<void(const std::string& id, const QString& name)>;
  BookModel(const book::Book& book, Rename rename, QObject* parent = nullptr);

  void refresh();
  const book::Record* recordAt(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 private:
  const book::Book& book_;
  Rename rename_;
  std::vector<const book::Record*> records_;
};

// The records as the player orders them: pinned ones first in either direction, names in the
// pinyin order of Chinese, and only those whose name or note holds
// the filter's text.
class BookOrder : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  explicit BookOrder(QObject* parent = nullptr);

  // Only the records whose name or note holds `wanted`, in any case; all where it is empty.
  void setWanted(const QString& wanted);

 protected:
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

 private:
  QCollator collator_;
  QString wanted_;
};

// A record's name as the book shows it: 未命名 where it has none.
QString NameOf(const book::Record& record);
// A time as the book window shows it, in the player's zone.
std::string TimeShown(book::Time time);

}  // namespace petcalc::qt

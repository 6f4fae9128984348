#pragma once

#include <QColor>
#include <QWidget>
#include <cstddef>
#include <vector>

#include "book/record.h"

namespace petcalc::qt {

// Each growth of a pet's records against the levels gained: a line a stat, a point a record, the
// ends of both axes labelled. Re-measuring at a higher level is how a player narrows a growth.
class TimelineChart : public QWidget {
  Q_OBJECT

 public:
  explicit TimelineChart(QWidget* parent = nullptr);

  void setRecords(std::vector<const book::Record*> records);
  // The colour of the line of each grown stat, for the table that names them.
  static QColor colourOf(std::size_t stat);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<const book::Record*> records_;
};

}  // namespace petcalc::qt

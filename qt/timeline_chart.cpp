#include "qt/timeline_chart.h"

#include <QPainter>
#include <QPainterPath>

#include "book/captions.h"
#include "book/timeline_scale.h"
#include "calc/pet_results.h"
#include "form/stats.h"
#include "qt/qt_text.h"

namespace petcalc::qt {

QColor TimelineChart::colourOf(std::size_t stat) {
  return QColor(static_cast<QRgb>(book::kTimelineColours.at(stat)));
}

TimelineChart::TimelineChart(QWidget* parent) : QWidget(parent) {
  setAccessibleName(FromUtf8(book::captions::kChartName));
  setMinimumSize(240, 110);
}

void TimelineChart::setRecords(std::vector<const book::Record*> records) {
  records_ = std::move(records);
  update();
}

QSize TimelineChart::sizeHint() const { return {320, 140}; }

void TimelineChart::paintEvent(QPaintEvent* /*event*/) {
  if (records_.empty()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QFontMetrics metrics = fontMetrics();
  const double left = metrics.horizontalAdvance(QStringLiteral("-000.0000")) + 6;
  const double bottom = metrics.height() + 4;
  const double width = this->width() - 8;
  const double height = this->height() - bottom;

  const book::TimelineScale scale = book::ScaleOf(records_);
  const auto x = [&](double v) { return left + scale.Across(v) * (width - left); };
  const auto y = [&](std::int64_t v) { return 8 + (1 - scale.Up(v)) * (height - 16); };

  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawLine(QPointF(left, height), QPointF(width, height));
  painter.drawLine(QPointF(left, 8), QPointF(left, height));
  const auto text_at = [&](QPointF at, const QString& text, Qt::Alignment align) {
    const double w = metrics.horizontalAdvance(text);
    const double from = align == Qt::AlignRight ? at.x() - w : at.x();
    painter.drawText(QPointF(from, at.y()), text);
  };
  text_at({left - 4, y(scale.highest) + 4}, ToQString(GrowthText(scale.highest)), Qt::AlignRight);
  text_at({left - 4, y(scale.lowest) + 4}, ToQString(GrowthText(scale.lowest)), Qt::AlignRight);
  text_at({x(scale.fewest), this->height() - 4.0},
          FromUtf8(book::captions::kGainedFormat).arg(scale.fewest), Qt::AlignLeft);
  text_at({width, this->height() - 4.0}, FromUtf8(book::captions::kLevelsFormat).arg(scale.most),
          Qt::AlignRight);

  for (std::size_t stat = 0; stat < form::kGrownStatCount; ++stat) {
    const QColor colour = colourOf(stat);
    painter.setPen(QPen(colour, 1.5));
    painter.setBrush(colour);
    QPainterPath line;
    for (std::size_t i = 0; i < records_.size(); ++i) {
      const QPointF point(x(scale.gained[i]), y(records_[i]->growth.per_level[stat]));
      if (i == 0)
        line.moveTo(point);
      else
        line.lineTo(point);
      painter.drawEllipse(point, 2.5, 2.5);
    }
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);
  }
}

}  // namespace petcalc::qt

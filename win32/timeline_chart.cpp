#include "win32/timeline_chart.h"

#include <string>

#include "book/captions.h"
#include "book/timeline_scale.h"
#include "calc/pet_results.h"
#include "form/stats.h"
#include "win32/handles.h"
#include "win32/wide_text.h"

namespace petcalc::win32 {
namespace {

void Text(HDC dc, int x, int y, const std::wstring& text, UINT align) {
  SetTextAlign(dc, align | TA_BASELINE);
  TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

std::wstring Format(std::string_view format, std::int64_t value) {
  std::string text(format);
  text.replace(text.find("%1"), 2, std::to_string(value));
  return WideFromUtf8(text);
}

}  // namespace

COLORREF TimelineColour(std::size_t stat) {
  const std::uint32_t colour = book::kTimelineColours.at(stat);
  return RGB((colour >> 16) & 0xff, (colour >> 8) & 0xff, colour & 0xff);
}

void DrawTimeline(HDC dc, const RECT& area, const std::vector<const book::Record*>& records) {
  FillRect(dc, &area, GetSysColorBrush(COLOR_WINDOW));
  if (records.empty()) return;
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SIZE widest{};
  GetTextExtentPoint32W(dc, L"-000.0000", 9, &widest);
  const double left = area.left + widest.cx + 6;
  const double right = area.right - 8;
  const double bottom = area.bottom - metrics.tmHeight - 4;
  const double top = area.top + 8;

  const book::TimelineScale scale = book::ScaleOf(records);
  const auto x = [&](double v) {
    return static_cast<int>(left + scale.Across(v) * (right - left));
  };
  const auto y = [&](std::int64_t v) {
    return static_cast<int>(bottom - scale.Up(v) * (bottom - top));
  };

  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  const Unique<HPEN, DeleteObject> axis_pen(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_WINDOWTEXT)));
  HGDIOBJ old_pen = SelectObject(dc, axis_pen.get());
  MoveToEx(dc, static_cast<int>(left), static_cast<int>(bottom), nullptr);
  LineTo(dc, static_cast<int>(right), static_cast<int>(bottom));
  MoveToEx(dc, static_cast<int>(left), static_cast<int>(top), nullptr);
  LineTo(dc, static_cast<int>(left), static_cast<int>(bottom));
  const int label_x = static_cast<int>(left) - 4;
  Text(dc, label_x, y(scale.highest) + 4, ToWide(GrowthText(scale.highest)), TA_RIGHT);
  Text(dc, label_x, y(scale.lowest) + 4, ToWide(GrowthText(scale.lowest)), TA_RIGHT);
  Text(dc, x(scale.fewest), area.bottom - 4,
       Format(book::captions::kGainedFormat, static_cast<std::int64_t>(scale.fewest)), TA_LEFT);
  Text(dc, static_cast<int>(right), area.bottom - 4,
       Format(book::captions::kLevelsFormat, static_cast<std::int64_t>(scale.most)), TA_RIGHT);

  for (std::size_t stat = 0; stat < form::kGrownStatCount; ++stat) {
    const Unique<HPEN, DeleteObject> pen(CreatePen(PS_SOLID, 2, TimelineColour(stat)));
    const Unique<HBRUSH, DeleteObject> brush(CreateSolidBrush(TimelineColour(stat)));
    SelectObject(dc, pen.get());
    HGDIOBJ old_brush = SelectObject(dc, brush.get());
    for (std::size_t i = 0; i < records.size(); ++i) {
      const int px = x(scale.gained[i]);
      const int py = y(records[i]->growth.per_level[stat]);
      if (i == 0)
        MoveToEx(dc, px, py, nullptr);
      else
        LineTo(dc, px, py);
      Ellipse(dc, px - 3, py - 3, px + 4, py + 4);
      MoveToEx(dc, px, py, nullptr);
    }
    SelectObject(dc, old_brush);
    SelectObject(dc, axis_pen.get());
  }
  SelectObject(dc, old_pen);
}

}  // namespace petcalc::win32

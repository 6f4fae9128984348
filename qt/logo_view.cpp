#include "qt/logo_view.h"

#include <QPainter>
#include <cmath>

#include "form/logo.h"
#include "qt/picture_pixels.h"
#include "qt/qt_text.h"

namespace petcalc::qt {
namespace {

// The rendition drawn for a density: the logo's own pixels at 1, decoded when the program was
// built; the PNG drawn for it at 2 and 3.
QPixmap Rendition(int density) {
  if (density == 1) return QPixmap::fromImage(ToImage(kLogo));
  return QPixmap(QStringLiteral(":/") +
                 ToQString(form::kLogoRenditions[static_cast<std::size_t>(density - 1)]));
}

QPixmap RenderLogo(qreal ratio) {
  const int density = form::LogoDensity(static_cast<int>(std::ceil(ratio * form::kStandardDpi)));
  QPixmap logo = Rendition(density);
  if (ratio != density) {
    const QSizeF size(form::kLogoSize.width, form::kLogoSize.height);
    logo = logo.scaled((size * ratio).toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  logo.setDevicePixelRatio(ratio);
  return logo;
}

}  // namespace

LogoView::LogoView(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }

QPixmap LogoView::pixmapFor(qreal device_pixel_ratio) const {
  if (device_pixel_ratio != cached_ratio_) {
    cached_ = RenderLogo(device_pixel_ratio);
    cached_ratio_ = device_pixel_ratio;
  }
  return cached_;
}

void LogoView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(QPoint(0, 0), pixmapFor(devicePixelRatioF()));
}

}  // namespace petcalc::qt

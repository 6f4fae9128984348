#include "qt/logo_view.h"

#include <QPainter>
#include <cmath>

#include "form/logo.h"
#include "qt/qt_text.h"

namespace petcalc::qt {
namespace {

QPixmap RenderLogo(qreal ratio) {
  const int density = form::LogoDensity(static_cast<int>(std::ceil(ratio * form::kStandardDpi)));
  const std::string_view rendition = form::kLogoRenditions[static_cast<std::size_t>(density - 1)];
  QPixmap logo(QStringLiteral(":/") + ToQString(rendition));
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

#include "qt/logo_view.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

namespace petcalc::qt {
namespace {

// The logo drawn for densities 1, 2 and 3; the first is the program's JPEG.
const std::array<QString, 3> kRenditions = {
    QStringLiteral(":/logo.jpg"), QStringLiteral(":/logo@2x.png"), QStringLiteral(":/logo@3x.png")};

QPixmap RenderLogo(qreal ratio) {
  const int density = std::clamp(static_cast<int>(std::ceil(ratio)), 1, 3);
  QPixmap logo(kRenditions[density - 1]);
  if (ratio != density) {
    // In-between densities shrink the next larger rendition rather than blow up a smaller one.
    logo = logo.scaled((QSizeF(LogoView::kLogoSize) * ratio).toSize(), Qt::IgnoreAspectRatio,
                       Qt::SmoothTransformation);
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

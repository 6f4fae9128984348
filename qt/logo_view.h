#pragma once

#include <QPixmap>
#include <QWidget>

namespace petcalc::qt {

// The window's picture: the logo at its own size (form::kLogoSize), never stretched to its box.
// On a high-density screen it draws the rendition made for that density, so it stays sharp.
class LogoView : public QWidget {
  Q_OBJECT

 public:
  explicit LogoView(QWidget* parent = nullptr);

  // The logo as it is drawn at the given device pixel ratio: 113 × 57 device-independent
  // pixels, from the JPEG itself at ratio 1.
  QPixmap pixmapFor(qreal device_pixel_ratio) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Decoded on first paint, and again only when the window moves to a screen of another density.
  mutable QPixmap cached_;
  mutable qreal cached_ratio_ = 0;
};

}  // namespace petcalc::qt

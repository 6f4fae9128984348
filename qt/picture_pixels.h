#pragma once

#include <QImage>

namespace petcalc::qt {

// A picture's pixels, row after row with no padding, decoded when the program is built
// (tools/picture_pixels.py), so that drawing it needs no image reader.
struct PicturePixels {
  const unsigned char* bytes;
  int width;
  int height;
  bool alpha;  // RGBA, else RGB
};

// The application icon at 16, 32 and 48 pixels, and the logo at its own size.
extern const PicturePixels kIcon16, kIcon32, kIcon48, kLogo;

// The picture as an image over its pixels, which it shares rather than copies.
inline QImage ToImage(const PicturePixels& picture) {
  const qsizetype bytes_per_pixel = picture.alpha ? 4 : 3;
  return {picture.bytes, picture.width, picture.height, picture.width * bytes_per_pixel,
          picture.alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888};
}

}  // namespace petcalc::qt

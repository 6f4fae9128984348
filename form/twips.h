#pragma once

namespace petcalc::form {

// The window is described in twips: 1,440 to the inch, so 15 make one pixel at 96 dpi.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kStandardDpi = 96;
inline constexpr int kTwipsPerPixel = kTwipsPerInch / kStandardDpi;

struct TwipRect {
  int left;
  int top;
  int width;
  int height;
};

// A rectangle in pixels of a given density.
struct PixelRect {
  int left;
  int top;
  int width;
  int height;

  constexpr int right() const { return left + width; }
  constexpr int bottom() const { return top + height; }
  friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct PixelSize {
  int width;
  int height;

  friend constexpr bool operator==(const PixelSize&, const PixelSize&) = default;
};

// Twips to pixels at the given density, rounded down: exact at 96 and 192 dpi for every
// measure of the window, all of which are multiples of 15 twips.
constexpr int TwipsToPixels(int twips, int dpi = kStandardDpi) {
  return twips * dpi / kTwipsPerInch;
}

// Each measure converted on its own, so neighbouring boxes keep their shared one-pixel border
// at every density.
constexpr PixelRect ToPixels(TwipRect r, int dpi = kStandardDpi) {
  return {TwipsToPixels(r.left, dpi), TwipsToPixels(r.top, dpi), TwipsToPixels(r.width, dpi),
          TwipsToPixels(r.height, dpi)};
}

}  // namespace petcalc::form

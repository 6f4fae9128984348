#include "win32/logo.h"

#include <iterator>

#include "form/logo.h"
#include "resources/resource_ids.h"

namespace petcalc::win32 {
namespace {

// The resources of form::kLogoRenditions, in their order.
int RenditionFor(int dpi) {
  constexpr int kRenditions[] = {PETCALC_LOGO_1X, PETCALC_LOGO_2X, PETCALC_LOGO_3X};
  static_assert(std::size(kRenditions) == form::kLogoRenditions.size());
  return kRenditions[form::LogoDensity(dpi) - 1];
}

SIZE SizeOf(HBITMAP bitmap) {
  BITMAP info{};
  GetObjectW(bitmap, sizeof info, &info);
  return {info.bmWidth, info.bmHeight};
}

// `source` shrunk to `size`, each pixel the average of those it covers.
UniqueBitmap Shrunk(HBITMAP source, SIZE size) {
  const WindowDc screen;
  UniqueBitmap shrunk(CreateCompatibleBitmap(screen.get(), size.cx, size.cy));
  if (!shrunk) return {};
  const UniqueDc from(CreateCompatibleDC(screen.get()));
  const UniqueDc to(CreateCompatibleDC(screen.get()));
  const Selection reading(from.get(), source);
  const Selection writing(to.get(), shrunk.get());
  SetStretchBltMode(to.get(), HALFTONE);
  SetBrushOrgEx(to.get(), 0, 0, nullptr);
  const SIZE whole = SizeOf(source);
  StretchBlt(to.get(), 0, 0, size.cx, size.cy, from.get(), 0, 0, whole.cx, whole.cy, SRCCOPY);
  return shrunk;
}

}  // namespace

UniqueBitmap LoadLogo(HINSTANCE instance, int dpi) {
  UniqueBitmap rendition(static_cast<HBITMAP>(LoadImageW(
      instance, MAKEINTRESOURCEW(RenditionFor(dpi)), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!rendition) return {};
  const form::PixelRect box = form::PixelsOf(form::Image1, dpi);
  const SIZE size = SizeOf(rendition.get());
  if (size.cx == box.width && size.cy == box.height) return rendition;
  return Shrunk(rendition.get(), {box.width, box.height});
}

}  // namespace petcalc::win32

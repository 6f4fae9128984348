#include "win32/fonts.h"

#include <cwchar>

#include "form/fonts.h"
#include "win32/wide_text.h"

namespace petcalc::win32 {
namespace {

int PointsToHeight(int points, int dpi) { return -MulDiv(points, dpi, form::kPointsPerInch); }

LOGFONTW FaceAt(const std::wstring& face, int points, int dpi, LONG weight) {
  LOGFONTW font{};
  font.lfHeight = PointsToHeight(points, dpi);
  font.lfWeight = weight;
  font.lfCharSet = GB2312_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  std::wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  return font;
}

LOGFONTW ButtonFace(const LOGFONTW& interface_face, int dpi) {
  if (const auto face = FirstInstalled(form::kButtonFaces)) {
    return FaceAt(*face, form::kButtonPointSize, dpi, FW_BOLD);
  }
  LOGFONTW font = interface_face;
  font.lfHeight = PointsToHeight(form::kButtonPointSize, dpi);
  font.lfWidth = 0;
  font.lfWeight = FW_BOLD;
  return font;
}

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool FaceInstalled(HDC screen, const std::wstring& face) {
  LOGFONTW query{};
  query.lfCharSet = DEFAULT_CHARSET;
  std::wcsncpy(query.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  bool found = false;
  EnumFontFamiliesExW(screen, &query, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

}  // namespace

LOGFONTW InterfaceFace(int dpi) {
  if (const auto face = FirstInstalled(form::kInterfaceFaces)) {
    return FaceAt(*face, form::kInterfacePointSize, dpi, FW_NORMAL);
  }
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0,
                             static_cast<UINT>(dpi));
  return metrics.lfMessageFont;
}

std::optional<std::wstring> FirstInstalled(std::span<const std::u16string_view> faces) {
  const WindowDc screen;
  for (const std::u16string_view face : faces) {
    std::wstring wide = ToWide(face);
    if (FaceInstalled(screen.get(), wide)) return wide;
  }
  return std::nullopt;
}

FormFonts::FormFonts(int dpi) {
  const LOGFONTW interface_face = InterfaceFace(dpi);
  const LOGFONTW button_face = ButtonFace(interface_face, dpi);
  interface_.reset(CreateFontIndirectW(&interface_face));
  button_.reset(CreateFontIndirectW(&button_face));
}

HFONT FormFonts::For(form::FontRole role) const {
  return role == form::FontRole::kButton ? button_.get() : interface_.get();
}

}  // namespace petcalc::win32

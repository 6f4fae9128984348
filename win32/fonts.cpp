#include "win32/fonts.h"

#include <cwchar>

#include "form/fonts.h"
#include "win32/wide_text.h"

namespace petcalc::win32 {
namespace {

// The Simplified Chinese system face every Chinese Windows has.
constexpr wchar_t kInterfaceFace[] = L"宋体";
constexpr int kPointsPerInch = 72;

int PointsToHeight(int points, int dpi) { return -MulDiv(points, dpi, kPointsPerInch); }

LOGFONTW FaceAt(const wchar_t* face, int points, int dpi, LONG weight) {
  LOGFONTW font{};
  font.lfHeight = PointsToHeight(points, dpi);
  font.lfWeight = weight;
  font.lfCharSet = GB2312_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  std::wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
  return font;
}

LOGFONTW ButtonFace(const LOGFONTW& interface_face, int dpi) {
  const std::wstring face = ToWide(form::kButtonFace);
  if (FaceInstalled(face.c_str())) {
    return FaceAt(face.c_str(), form::kButtonPointSize, dpi, FW_BOLD);
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

}  // namespace

LOGFONTW InterfaceFace(int dpi) {
  if (FaceInstalled(kInterfaceFace)) {
    return FaceAt(kInterfaceFace, form::kInterfacePointSize, dpi, FW_NORMAL);
  }
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0,
                             static_cast<UINT>(dpi));
  return metrics.lfMessageFont;
}

bool FaceInstalled(const wchar_t* face) {
  LOGFONTW query{};
  query.lfCharSet = DEFAULT_CHARSET;
  std::wcsncpy(query.lfFaceName, face, LF_FACESIZE - 1);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &query, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
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

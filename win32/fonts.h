#pragma once

#include <windows.h>

#include "form/control_table.h"
#include "win32/handles.h"

namespace petcalc::win32 {

// The window's two fonts at one density.
class FormFonts {
 public:
  // The interface font: 宋体 (SimSun) at 9 points with the GB2312 character set, or, where it
  // is missing, the system's message font. The button font: 方正姚体 12 points bold, or, where it
  // is missing, the interface face at 12 points bold.
  explicit FormFonts(int dpi);

  HFONT For(form::FontRole role) const;

 private:
  UniqueFont interface_;
  UniqueFont button_;
};

// The interface font's description at `dpi`, for the dialogs' templates too.
LOGFONTW InterfaceFace(int dpi);

// Whether a font family of that name is installed (or, under wine, substituted).
bool FaceInstalled(const wchar_t* face);

}  // namespace petcalc::win32

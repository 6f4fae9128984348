#pragma once

#include <windows.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "form/control_table.h"
#include "win32/handles.h"

namespace petcalc::win32 {

// The window's two fonts at one density.
class FormFonts {
 public:
  // The interface font: SimSun (宋体) at 9 points with the GB2312 character set, or, where it
  // is missing, the system's message font. The button font: FZYaoTi (方正姚体) 12 points bold,
  // or, where it is missing, the interface face at 12 points bold.
  explicit FormFonts(int dpi);

  HFONT For(form::FontRole role) const;

 private:
  UniqueFont interface_;
  UniqueFont button_;
};

// The interface font's description at `dpi`, for the dialogs' templates too.
LOGFONTW InterfaceFace(int dpi);

// The first of `faces` that is installed (or, under wine, substituted), by the name asked for.
std::optional<std::wstring> FirstInstalled(std::span<const std::u16string_view> faces);

}  // namespace petcalc::win32

#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

namespace petcalc::win32 {

// An in-memory extended dialog template (DLGTEMPLATEEX and its items), for
// DialogBoxIndirectParamW: the program's dialogs are built in code, so their captions are its
// own whatever the system's language. Positions and sizes are in dialog units of the font.
class DialogTemplate {
 public:
  // Predefined control classes, by their atoms.
  enum class Class : WORD { kButton = 0x0080, kEdit = 0x0081, kStatic = 0x0082 };

  DialogTemplate(std::u16string_view title, std::u16string_view font_face, WORD point_size,
                 BYTE charset, short width, short height);

  void Add(Class kind, WORD id, DWORD style, RECT units, std::u16string_view text = u"",
           DWORD extended_style = 0);

  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void Push(DWORD value);
  void Push(std::u16string_view text);  // with its terminating zero
  void AlignToDword();

  std::vector<WORD> words_;
  std::size_t item_count_at_ = 0;  // where the item count is written
};

}  // namespace petcalc::win32

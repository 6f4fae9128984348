#include "win32/dialog_template.h"

namespace petcalc::win32 {
namespace {

constexpr WORD kVersion = 1;
constexpr WORD kExtendedSignature = 0xFFFF;
constexpr DWORD kDialogStyle = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;

}  // namespace

DialogTemplate::DialogTemplate(std::u16string_view title, std::u16string_view font_face,
                               WORD point_size, BYTE charset, short width, short height)
    : words_{kVersion, kExtendedSignature} {
  Push(DWORD{0});  // help id
  Push(DWORD{0});  // extended style
  Push(kDialogStyle);
  item_count_at_ = words_.size();
  words_.push_back(0);
  for (short measure : {short{0}, short{0}, width, height})
    words_.push_back(static_cast<WORD>(measure));
  words_.push_back(0);  // no menu
  words_.push_back(0);  // the standard dialog class
  Push(title);
  words_.push_back(point_size);
  words_.push_back(FW_NORMAL);
  words_.push_back(static_cast<WORD>(charset << 8));  // italic in the low byte, then charset
  Push(font_face);
}

void DialogTemplate::Add(Class kind, WORD id, DWORD style, RECT units, std::u16string_view text,
                         DWORD extended_style) {
  AlignToDword();
  Push(DWORD{0});  // help id
  Push(extended_style);
  Push(style | WS_CHILD | WS_VISIBLE);
  for (LONG measure : {units.left, units.top, units.right - units.left, units.bottom - units.top}) {
    words_.push_back(static_cast<WORD>(measure));
  }
  Push(DWORD{id});
  words_.push_back(0xFFFF);
  words_.push_back(static_cast<WORD>(kind));
  Push(text);
  words_.push_back(0);  // no creation data
  ++words_[item_count_at_];
}

void DialogTemplate::Push(DWORD value) {
  words_.push_back(LOWORD(value));
  words_.push_back(HIWORD(value));
}

void DialogTemplate::Push(std::u16string_view text) {
  words_.insert(words_.end(), text.begin(), text.end());
  words_.push_back(0);
}

void DialogTemplate::AlignToDword() {
  if (words_.size() % 2 != 0) words_.push_back(0);
}

}  // namespace petcalc::win32

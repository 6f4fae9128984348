#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace petcalc::win32 {

// A dialog whose answer is a table: a text above a report list (its columns headed, each row
// with a check box where `checks` is set) and its buttons, captioned in Chinese whatever the
// system's language.
struct ListDialog {
  std::wstring title;
  std::wstring text;  // none where empty: the list fills the dialog
  std::vector<std::wstring> headings;
  std::vector<std::vector<std::wstring>> rows;
  bool checks = false;
  std::wstring accept;
  std::wstring cancel;  // none where empty: the dialog only tells
};

// Shown modally over `owner`: whether the player chose `accept`, and then, in `checked`, which
// rows were checked.
bool ShowListDialog(HWND owner, const ListDialog& dialog, std::vector<bool>* checked = nullptr);

}  // namespace petcalc::win32

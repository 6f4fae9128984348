#include "win32/list_dialog.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <stdexcept>

#include "win32/dialog_template.h"
#include "win32/wide_text.h"

namespace petcalc::win32 {
namespace {

using Class = DialogTemplate::Class;

enum Id : WORD { kText = 10, kList };

// In dialog units.
constexpr short kWidth = 320;
constexpr short kHeight = 210;
constexpr short kMargin = 7;
constexpr short kTextHeight = 56;
constexpr short kButtonWidth = 60;
constexpr short kButtonHeight = 14;

struct Shown {
  const ListDialog& dialog;
  std::vector<bool> checked;
  HWND list = nullptr;
};

RECT ListUnits(const ListDialog& dialog) {
  const LONG top = dialog.text.empty() ? kMargin : kMargin + kTextHeight + 4;
  return {kMargin, top, kWidth - kMargin, kHeight - kMargin - kButtonHeight - 6};
}

// The text's lines as an edit control breaks them.
std::wstring EditLines(const std::wstring& text) {
  std::wstring lines;
  for (const wchar_t c : text) {
    if (c == L'\n') lines += L'\r';
    lines += c;
  }
  return lines;
}

DialogTemplate TemplateOf(const ListDialog& dialog) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  DialogTemplate made(FromWide(dialog.title), FromWide(metrics.lfMessageFont.lfFaceName), 9,
                      metrics.lfMessageFont.lfCharSet, kWidth, kHeight);
  if (!dialog.text.empty()) {
    // Read-only text that scrolls: a long list of unreadable rows stays whole.
    made.Add(Class::kEdit, kText, ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_TABSTOP,
             {kMargin, kMargin, kWidth - kMargin, kMargin + kTextHeight},
             FromWide(EditLines(dialog.text)));
  }
  const short top = kHeight - kMargin - kButtonHeight;
  short right = kWidth - kMargin;
  if (!dialog.cancel.empty()) {
    made.Add(Class::kButton, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP,
             {right - kButtonWidth, top, right, top + kButtonHeight}, FromWide(dialog.cancel));
    right -= kButtonWidth + 4;
  }
  made.Add(Class::kButton, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP,
           {right - kButtonWidth, top, right, top + kButtonHeight}, FromWide(dialog.accept));
  return made;
}

// The list, made where the template cannot name its class, and placed after the text in the
// tab order.
HWND MakeList(HWND window, const ListDialog& dialog) {
  RECT area = ListUnits(dialog);
  MapDialogRect(window, &area);
  HWND list = CreateWindowExW(
      WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
      WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL,
      area.left, area.top, area.right - area.left, area.bottom - area.top, window,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kList)), GetModuleHandleW(nullptr), nullptr);
  if (list == nullptr) throw std::runtime_error("a dialog's list could not be made");
  SetWindowFont(list, GetWindowFont(window), FALSE);
  SetWindowPos(list, dialog.text.empty() ? HWND_TOP : GetDlgItem(window, kText), 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ListView_SetExtendedListViewStyle(
      list, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | (dialog.checks ? LVS_EX_CHECKBOXES : 0));
  for (std::size_t c = 0; c < dialog.headings.size(); ++c) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = const_cast<wchar_t*>(dialog.headings[c].c_str());
    ListView_InsertColumn(list, static_cast<int>(c), &column);
  }
  for (std::size_t r = 0; r < dialog.rows.size(); ++r) {
    const std::vector<std::wstring>& cells = dialog.rows[r];
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(r);
    item.pszText = const_cast<wchar_t*>(cells.empty() ? L"" : cells[0].c_str());
    ListView_InsertItem(list, &item);
    for (std::size_t c = 1; c < cells.size(); ++c) {
      ListView_SetItemText(list, static_cast<int>(r), static_cast<int>(c),
                           const_cast<wchar_t*>(cells[c].c_str()));
    }
  }
  // Each column as wide as its widest cell or its heading, whichever is wider (the heading
  // measured here: wine's own sizing to a heading leaves it cut).
  RECT padding = {0, 0, 12, 0};
  MapDialogRect(window, &padding);
  for (int c = 0; c < static_cast<int>(dialog.headings.size()); ++c) {
    ListView_SetColumnWidth(list, c, LVSCW_AUTOSIZE);
    const int heading = ListView_GetStringWidth(list, dialog.headings[c].c_str()) + padding.right;
    ListView_SetColumnWidth(list, c, std::max(ListView_GetColumnWidth(list, c), heading));
  }
  if (!dialog.rows.empty()) {
    ListView_SetItemState(list, 0, LVIS_FOCUSED, LVIS_FOCUSED);
  }
  return list;
}

// Over the middle of its owner, as a message box stands.
void Centre(HWND window) {
  RECT owner{};
  RECT own{};
  GetWindowRect(GetWindow(window, GW_OWNER), &owner);
  GetWindowRect(window, &own);
  const int width = own.right - own.left;
  const int height = own.bottom - own.top;
  SetWindowPos(window, nullptr, (owner.left + owner.right - width) / 2,
               (owner.top + owner.bottom - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* shown = reinterpret_cast<Shown*>(GetWindowLongPtrW(window, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      shown = reinterpret_cast<Shown*>(lparam);
      SetWindowLongPtrW(window, DWLP_USER, lparam);
      shown->list = MakeList(window, shown->dialog);
      Centre(window);
      SetFocus(shown->list);
      return FALSE;  // the focus set here
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK) {
        for (std::size_t r = 0; r < shown->checked.size(); ++r) {
          shown->checked[r] = ListView_GetCheckState(shown->list, static_cast<int>(r)) != FALSE;
        }
        EndDialog(window, IDOK);
        return TRUE;
      }
      if (LOWORD(wparam) == IDCANCEL) {
        EndDialog(window, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

bool ShowListDialog(HWND owner, const ListDialog& dialog, std::vector<bool>* checked) {
  Shown shown{dialog, std::vector<bool>(dialog.rows.size(), false)};
  const DialogTemplate made = TemplateOf(dialog);
  const INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), made.get(), owner,
                                                 Procedure, reinterpret_cast<LPARAM>(&shown));
  if (result == -1) throw std::runtime_error("a dialog could not be shown");
  if (checked != nullptr) *checked = shown.checked;
  return result == IDOK;
}

}  // namespace petcalc::win32

#include "win32/book_window.h"

#include <commctrl.h>
#include <commdlg.h>
#include <windowsx.h>

#include <algorithm>
#include <array>
#include <stdexcept>

#include "book/book_csv.h"
#include "book/book_import.h"
#include "book/book_json.h"
#include "book/captions.h"
#include "book/summary.h"
#include "book/time.h"
#include "calc/pet_results.h"
#include "form/dialog_captions.h"
#include "form/stats.h"
#include "win32/dialogs.h"
#include "win32/list_dialog.h"
#include "win32/system_library.h"
#include "win32/timeline_chart.h"
#include "win32/wide_text.h"

namespace petcalc::win32 {
namespace {

namespace captions = book::captions;

constexpr wchar_t kClassName[] = L"PetCalcBook";
constexpr std::size_t kMaxCompared = 4;
// The GB18030 code page, in which a Chinese spreadsheet saves CSV.
constexpr UINT kGb18030 = 54936;

enum Id : int {
  kProblem = 100,
  kRestore,
  kStartNew,
  kKeeping,
  kFilterLabel,
  kFilter,
  kList,
  kEmpty,
  kHeading,
  kNameLabel,
  kName,
  kNoteLabel,
  kNote,
  kTimelineCaption,
  kTimeline,
  kChart,
  kStatus,
  kFirstBar = 200,     // the bar's buttons, in kBar's order
  kFirstAction = 300,  // the record's, in kActions' order
};

constexpr std::array<std::string_view, 5> kBar = {
    captions::kCompare, captions::kExport, captions::kImport, captions::kClear, captions::kUndo};
constexpr std::array<std::string_view, 6> kActions = {captions::kPutBack, captions::kCopyText,
                                                      captions::kPin,     captions::kDelete,
                                                      captions::kSplit,   captions::kJoin};

std::wstring W(std::string_view utf8) { return WideFromUtf8(utf8); }

// A caption's "%1", "%2", … replaced by `values`, in order.
std::wstring Format(std::string_view format, std::initializer_list<std::wstring> values) {
  std::wstring text = W(format);
  int number = 1;
  for (const std::wstring& value : values) {
    const std::wstring mark = L"%" + std::to_wstring(number++);
    if (const std::size_t at = text.find(mark); at != std::wstring::npos) {
      text.replace(at, mark.size(), value);
    }
  }
  return text;
}

std::wstring Count(std::size_t n) { return std::to_wstring(n); }

std::string LocalTime(book::Time time) {
  const std::int64_t ticks = (time.milliseconds() + 11644473600000LL) * 10000;
  FILETIME utc{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
  FILETIME local{};
  SYSTEMTIME shown{};
  FileTimeToLocalFileTime(&utc, &local);
  FileTimeToSystemTime(&local, &shown);
  wchar_t text[32];
  swprintf(text, 32, L"%04u-%02u-%02u %02u:%02u", shown.wYear, shown.wMonth, shown.wDay,
           shown.wHour, shown.wMinute);
  return Utf8FromWide(text);
}

// Names in pinyin order: Chinese (PRC) collation, as a player there sorts them.
int PinyinOrder(const book::Record& a, const book::Record& b) {
  const std::wstring x = W(book::ShownName(a));
  const std::wstring y = W(book::ShownName(b));
  const int order = CompareStringEx(L"zh-CN", 0, x.c_str(), static_cast<int>(x.size()), y.c_str(),
                                    static_cast<int>(y.size()), nullptr, nullptr, 0);
  return order == 0 ? x.compare(y) : order - CSTR_EQUAL;
}

bool Holds(const std::string& text, const std::wstring& wanted) {
  const std::wstring wide = W(text);
  return FindNLSStringEx(L"zh-CN", FIND_FROMSTART | LINGUISTIC_IGNORECASE, wide.c_str(),
                         static_cast<int>(wide.size()), wanted.c_str(),
                         static_cast<int>(wanted.size()), nullptr, nullptr, nullptr, 0) >= 0;
}

// A question with its own buttons, captioned in Chinese whatever the system's language; gives
// whether the player chose `accept`.
bool Ask(HWND owner, const std::wstring& title, const std::wstring& text,
         const std::wstring& accept) {
  const std::wstring cancel = W(captions::kCancel);
  const std::array<TASKDIALOG_BUTTON, 2> buttons = {
      {{IDOK, accept.c_str()}, {IDCANCEL, cancel.c_str()}}};
  TASKDIALOGCONFIG config{};
  config.cbSize = sizeof(config);
  config.hwndParent = owner;
  config.dwFlags = TDF_POSITION_RELATIVE_TO_WINDOW | TDF_ALLOW_DIALOG_CANCELLATION;
  config.pszWindowTitle = title.c_str();
  config.pszContent = text.c_str();
  config.cButtons = static_cast<UINT>(buttons.size());
  config.pButtons = buttons.data();
  config.nDefaultButton = IDOK;
  int chosen = IDCANCEL;
  auto* ask = CommonControls().Get<decltype(TaskDialogIndirect)>("TaskDialogIndirect");
  if (ask == nullptr || FAILED(ask(&config, &chosen, nullptr, nullptr))) return false;
  return chosen == IDOK;
}

void Tell(HWND owner, std::string_view title, const std::wstring& text) {
  ShowMessage(owner, FromWide(text), FromWide(W(title)));
}

// Whether a file's name ends in `suffix`, in any case.
bool EndsWith(const std::wstring& name, std::wstring_view suffix) {
  return name.size() >= suffix.size() &&
         _wcsicmp(name.c_str() + name.size() - suffix.size(), suffix.data()) == 0;
}

// A book file or spreadsheet chosen in the system's dialog, to save (`suggested` the name it
// offers) or to open; empty when the player cancels. `filter` is the type chosen: 1 the book's
// file, 2 the spreadsheet.
std::wstring ChooseFile(HWND owner, bool saving, const std::wstring& suggested, DWORD& filter) {
  std::wstring file = suggested;
  file.resize(MAX_PATH, L'\0');
  const std::wstring filters = W(captions::kBookFileFilter) + L'\0' + L"*.json" + L'\0' +
                               W(captions::kSpreadsheetFilter) + L'\0' + L"*.csv" + L'\0';
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filters.c_str();
  dialog.nFilterIndex = filter;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = MAX_PATH;
  dialog.Flags = OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
  if (saving) {
    dialog.lpstrDefExt = L"json";
    dialog.Flags |= OFN_OVERWRITEPROMPT;
  } else {
    dialog.Flags |= OFN_FILEMUSTEXIST;
  }
  auto* choose = CommonDialogs().Get<decltype(GetOpenFileNameW)>(saving ? "GetSaveFileNameW"
                                                                        : "GetOpenFileNameW");
  if (choose == nullptr || !choose(&dialog)) return {};
  filter = dialog.nFilterIndex;
  file.resize(wcslen(file.c_str()));
  return file;
}

HWND Child(HWND parent, const wchar_t* kind, const std::wstring& text, DWORD style, int id,
           DWORD extended = 0) {
  HWND made = CreateWindowExW(extended, kind, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0,
                              0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleW(nullptr), nullptr);
  if (made == nullptr) throw std::runtime_error("a control of the book could not be made");
  return made;
}

HWND Button(HWND parent, std::string_view caption, int id) {
  return Child(parent, WC_BUTTONW, W(caption), WS_TABSTOP | BS_PUSHBUTTON, id);
}

HWND Label(HWND parent, const std::wstring& text, int id) {
  return Child(parent, WC_STATICW, text, SS_LEFT | SS_NOPREFIX, id);
}

void AddColumn(HWND list, int index, const std::wstring& heading, int width, bool right) {
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
  column.fmt = right ? LVCFMT_RIGHT : LVCFMT_LEFT;
  column.cx = width;
  column.pszText = const_cast<wchar_t*>(heading.c_str());
  ListView_InsertColumn(list, index, &column);
}

// The list view's class, from comctl32 loaded now: the book's lists and its import's preview.
bool ListViewsReady() {
  auto* init = CommonControls().Get<decltype(InitCommonControlsEx)>("InitCommonControlsEx");
  const INITCOMMONCONTROLSEX wanted{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
  return init != nullptr && init(&wanted);
}

ATOM RegisterClassOnce(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.style = CS_HREDRAW | CS_VREDRAW;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  window_class.lpszClassName = kClassName;
  return RegisterClassExW(&window_class);
}

}  // namespace

BookWindow::BookWindow(HINSTANCE instance, KeptBook& kept, Form1Window& window)
    : kept_(kept), window_(window) {
  static const ATOM kRegistered = RegisterClassOnce(instance, Procedure);
  if (kRegistered == 0) throw std::runtime_error("the book's window class could not be registered");
  if (!ListViewsReady()) throw std::runtime_error("the book's list could not be made");
  const std::wstring title = W(captions::kTitle);
  const int dpi = static_cast<int>(GetDpiForSystem());
  // WM_NCCREATE sets hwnd_.
  const HWND made = CreateWindowExW(
      0, kClassName, title.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
      CW_USEDEFAULT, MulDiv(780, dpi, 96), MulDiv(640, dpi, 96), nullptr, nullptr, instance, this);
  if (made == nullptr || hwnd_ == nullptr)
    throw std::runtime_error("the book's window could not be made");
  kept_.on_records = [this] { Refresh(); };
  Refresh();
  ShowProblem();
}

BookWindow::~BookWindow() {
  kept_.on_records = nullptr;
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

LRESULT CALLBACK BookWindow::Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* book = static_cast<BookWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    book->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(book));
  }
  auto* book = reinterpret_cast<BookWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (book == nullptr) return DefWindowProcW(hwnd, message, wparam, lparam);
  try {
    return book->Handle(message, wparam, lparam);
  } catch (...) {
    return message == WM_CREATE ? -1 : DefWindowProcW(hwnd, message, wparam, lparam);
  }
}

LRESULT BookWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_SIZE:
      LayOut();
      return 0;
    case WM_DPICHANGED: {
      dpi_ = HIWORD(wparam);
      const RECT& suggested = *reinterpret_cast<const RECT*>(lparam);
      MakeFonts();
      SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
      LayOut();
      return 0;
    }
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lparam));
    case WM_COMMAND:
      OnCommand(GET_WM_COMMAND_ID(wparam, lparam), GET_WM_COMMAND_CMD(wparam, lparam));
      return 0;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      if (item.CtlID == kChart) DrawTimeline(item.hDC, item.rcItem, pet_);
      return TRUE;
    }
    case WM_CLOSE:
      ShowWindow(hwnd_, SW_HIDE);  // kept for the next F2, as it was left
      return 0;
    case WM_DESTROY:
      SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      return 0;
    default:
      return DefWindowProcW(hwnd_, message, wparam, lparam);
  }
}

void BookWindow::OnCreate() {
  dpi_ = static_cast<int>(GetDpiForWindow(hwnd_));
  problem_ = Label(hwnd_, L"", kProblem);
  restore_ = Button(hwnd_, captions::kRestore, kRestore);
  start_new_ = Button(hwnd_, captions::kStartNew, kStartNew);
  keeping_ =
      Child(hwnd_, WC_BUTTONW, W(captions::kKeeping), WS_TABSTOP | BS_AUTOCHECKBOX, kKeeping);
  filter_label_ = Label(hwnd_, W(captions::kFilter), kFilterLabel);
  filter_ = Child(hwnd_, WC_EDITW, L"", WS_TABSTOP | ES_AUTOHSCROLL, kFilter, WS_EX_CLIENTEDGE);
  Edit_SetCueBannerText(filter_, W(captions::kFilterHint).c_str());
  for (std::size_t i = 0; i < kBar.size(); ++i) {
    bar_.push_back(Button(hwnd_, kBar[i], kFirstBar + static_cast<int>(i)));
  }
  list_ =
      Child(hwnd_, WC_LISTVIEWW, W(captions::kTitle),
            WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS, kList, WS_EX_CLIENTEDGE);
  ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  for (std::size_t i = 0; i < book::kColumnCount; ++i) {
    const book::Column column = book::kColumns[i];
    AddColumn(list_, static_cast<int>(i), W(book::HeadingOf(column)),
              MulDiv(column == book::Column::kChanged ? 130 : 80, dpi_, 96),
              column != book::Column::kName && column != book::Column::kChanged);
  }
  empty_ = Label(hwnd_, W(captions::kEmpty), kEmpty);
  heading_ = Label(hwnd_, L"", kHeading);
  name_label_ = Label(hwnd_, W(captions::kNameHeading), kNameLabel);
  name_ = Child(hwnd_, WC_EDITW, L"", WS_TABSTOP | ES_AUTOHSCROLL, kName, WS_EX_CLIENTEDGE);
  Edit_LimitText(name_, static_cast<int>(book::kMaxNameLength));
  note_label_ = Label(hwnd_, W(captions::kNote), kNoteLabel);
  note_ = Child(hwnd_, WC_EDITW, L"", WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL,
                kNote, WS_EX_CLIENTEDGE);
  for (std::size_t i = 0; i < kActions.size(); ++i) {
    actions_.push_back(Button(hwnd_, kActions[i], kFirstAction + static_cast<int>(i)));
  }
  timeline_caption_ = Label(hwnd_, L"", kTimelineCaption);
  timeline_ = Child(hwnd_, WC_LISTVIEWW, L"", WS_TABSTOP | LVS_REPORT | LVS_NOSORTHEADER, kTimeline,
                    WS_EX_CLIENTEDGE);
  AddColumn(timeline_, 0, W(captions::kLevelHeading), MulDiv(60, dpi_, 96), false);
  for (std::size_t stat = 0; stat < form::kGrownStatCount; ++stat) {
    AddColumn(timeline_, static_cast<int>(stat) + 1,
              ToWide(form::kGrownStats[stat].growth.description().accessible_name),
              MulDiv(76, dpi_, 96), true);
  }
  chart_ = Child(hwnd_, WC_STATICW, W(captions::kChartName), SS_OWNERDRAW, kChart);
  status_ = Label(hwnd_, L"", kStatus);
  EnableWindow(bar_.back(), FALSE);  // 撤销: nothing yet
  MakeFonts();
}

void BookWindow::MakeFonts() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0,
                             static_cast<UINT>(dpi_));
  font_.reset(CreateFontIndirectW(&metrics.lfMessageFont));
  metrics.lfMessageFont.lfWeight = FW_BOLD;
  bold_.reset(CreateFontIndirectW(&metrics.lfMessageFont));
  for (HWND child = GetWindow(hwnd_, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    SetWindowFont(child, child == heading_ ? bold_.get() : font_.get(), TRUE);
  }
}

// Everything placed for the window's size at its density: the bar on top, the list taking what
// the record's part below leaves.
void BookWindow::LayOut() {
  RECT client;
  GetClientRect(hwnd_, &client);
  const auto px = [this](int dips) { return MulDiv(dips, dpi_, 96); };
  const int margin = px(8), gap = px(6), row = px(26), width = client.right - 2 * margin;
  int y = margin;
  const auto place = [](HWND control, int left, int top, int w, int h) {
    SetWindowPos(control, nullptr, left, top, std::max(w, 0), std::max(h, 0),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  };
  if (IsWindowVisible(problem_)) {
    place(problem_, margin, y, width - 2 * px(96) - 2 * gap, 2 * row);
    place(restore_, client.right - margin - 2 * px(96) - gap, y, px(96), row);
    place(start_new_, client.right - margin - px(96), y, px(96), row);
    y += 2 * row + gap;
  }
  int x = margin;
  place(keeping_, x, y, px(120), row);
  x += px(120) + gap;
  place(filter_label_, x, y + px(5), px(32), row);
  x += px(32);
  const int buttons = static_cast<int>(bar_.size()) * (px(64) + gap);
  place(filter_, x, y, client.right - margin - buttons - x - gap, row);
  x = client.right - margin - buttons + gap;
  for (HWND button : bar_) {
    place(button, x, y, px(64), row);
    x += px(64) + gap;
  }
  y += row + gap;

  const bool detail = IsWindowVisible(heading_) != FALSE;
  const int detail_height = detail ? px(22) + row * 3 + px(150) + 3 * gap : 0;
  const int status = px(20);
  const int list_height = client.bottom - y - detail_height - status - margin - gap;
  place(list_, margin, y, width, list_height);
  place(empty_, margin + px(10), y + px(30), width - px(20), px(40));
  y += list_height + gap;
  if (detail) {
    place(heading_, margin, y, width, px(22));
    y += px(22);
    place(name_label_, margin, y + px(5), px(36), row);
    place(name_, margin + px(36), y, px(160), row);
    place(note_label_, margin + px(206), y + px(5), px(36), row);
    place(note_, margin + px(242), y, width - px(242), row * 2 - gap);
    y += row * 2;
    x = margin;
    for (HWND button : actions_) {
      SIZE ideal{};
      Button_GetIdealSize(button, &ideal);
      const int w = std::max<int>(ideal.cx + px(12), px(72));
      place(button, x, y, w, row);
      x += w + gap;
    }
    y += row + gap;
    place(timeline_caption_, margin, y, width, px(20));
    y += px(20);
    place(timeline_, margin, y, width / 2 - gap, px(130));
    place(chart_, margin + width / 2, y, width / 2, px(130));
    y += px(130) + gap;
  }
  place(status_, margin, client.bottom - margin - status, width, status);
}

void BookWindow::Present() {
  Button_SetCheck(keeping_, kept_.keeping() ? BST_CHECKED : BST_UNCHECKED);
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  SetFocus(list_);
}

bool BookWindow::PreTranslateMessage(MSG& message) {
  if (hwnd_ == nullptr || (message.hwnd != hwnd_ && !IsChild(hwnd_, message.hwnd))) return false;
  if (message.message == WM_KEYDOWN) {
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if (message.wParam == 'Z' && ctrl && message.hwnd != name_ && message.hwnd != note_ &&
        message.hwnd != filter_) {
      TakeBack();
      return true;
    }
    // F2 renames the chosen record, as in any list of Windows.
    if (message.wParam == VK_F2 && Current() != nullptr) {
      SetFocus(name_);
      Edit_SetSel(name_, 0, -1);
      return true;
    }
    if (message.wParam == VK_RETURN && message.hwnd == name_) {
      KeepName();
      SetFocus(list_);
      return true;
    }
  }
  return IsDialogMessageW(hwnd_, &message) != FALSE;
}

LRESULT BookWindow::OnNotify(const NMHDR& header) {
  if (header.idFrom != kList) return 0;
  switch (header.code) {
    case LVN_GETDISPINFOW: {
      auto& info = const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header));
      if ((info.item.mask & LVIF_TEXT) == 0 || info.item.iItem < 0 ||
          static_cast<std::size_t>(info.item.iItem) >= shown_.size()) {
        return 0;
      }
      const book::Record& record = *shown_[static_cast<std::size_t>(info.item.iItem)];
      cell_ = W(book::CellText(
          record, book::kColumns.at(static_cast<std::size_t>(info.item.iSubItem)), LocalTime));
      info.item.pszText = cell_.data();
      return 0;
    }
    case LVN_COLUMNCLICK: {
      const auto& click = reinterpret_cast<const NMLISTVIEW&>(header);
      const book::Column column = book::kColumns.at(static_cast<std::size_t>(click.iSubItem));
      SortBy(column, column == sort_column_ ? !ascending_ : true);
      return 0;
    }
    case LVN_ITEMCHANGED:
    case LVN_ODSTATECHANGED:
      ShowCurrent();
      return 0;
    case LVN_KEYDOWN: {
      const auto& key = reinterpret_cast<const NMLVKEYDOWN&>(header);
      if (key.wVKey == VK_DELETE) RemoveSelected();
      return 0;
    }
    case NM_RETURN:
    case NM_DBLCLK:
      PutBack();
      return 0;
    default:
      return 0;
  }
}

void BookWindow::OnCommand(int id, UINT code) {
  if (id == kFilter && code == EN_CHANGE) return Refresh();
  if (id == kName && code == EN_KILLFOCUS) return KeepName();
  if (id == kNote && code == EN_KILLFOCUS) return KeepNote();
  if (code != BN_CLICKED) return;
  if (id == kRestore) return kept_.Restore();
  if (id == kStartNew) return kept_.StartNew();
  if (id == kKeeping) {
    const bool on = Button_GetCheck(keeping_) == BST_CHECKED;
    kept_.SetKeeping(on);
    return Say(W(on ? captions::kKeepingOn : captions::kKeepingOff));
  }
  if (id >= kFirstBar && id < kFirstBar + static_cast<int>(kBar.size())) {
    return Press(kBar[static_cast<std::size_t>(id - kFirstBar)]);
  }
  if (id >= kFirstAction && id < kFirstAction + static_cast<int>(kActions.size())) {
    Press(kActions[static_cast<std::size_t>(id - kFirstAction)]);
  }
}

void BookWindow::Press(std::string_view caption) {
  if (caption == captions::kCompare) return Compare();
  if (caption == captions::kExport) return ExportBook();
  if (caption == captions::kImport) return ImportBook();
  if (caption == captions::kClear) return ClearAll();
  if (caption == captions::kUndo) return TakeBack();
  if (caption == captions::kPutBack) return PutBack();
  if (caption == captions::kCopyText) return CopyText();
  if (caption == captions::kPin || caption == captions::kUnpin) return TogglePin();
  if (caption == captions::kDelete) return RemoveSelected();
  if (caption == captions::kSplit) return Split();
  if (caption == captions::kJoin) return Join();
}

void BookWindow::SortBy(book::Column column, bool ascending) {
  sort_column_ = column;
  ascending_ = ascending;
  Refresh();
}

// The list again from the book: filtered, sorted, the record the player was on kept selected.
void BookWindow::Refresh() {
  const std::string keep = shown_id_;
  std::wstring wanted = WindowText(filter_);
  shown_.clear();
  for (const book::Record* record : kept_.book().Records()) {
    if (wanted.empty() || Holds(record->name, wanted) || Holds(record->note, wanted)) {
      shown_.push_back(record);
    }
  }
  std::stable_sort(shown_.begin(), shown_.end(), [this](const auto* a, const auto* b) {
    return book::ComesBefore(*a, *b, sort_column_, ascending_, PinyinOrder);
  });
  ListView_SetItemState(list_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_SetItemCountEx(list_, static_cast<int>(shown_.size()), LVSICF_NOSCROLL);
  for (std::size_t row = 0; row < shown_.size(); ++row) {
    if (!keep.empty() && shown_[row]->id == keep) {
      ListView_SetItemState(list_, static_cast<int>(row), LVIS_SELECTED | LVIS_FOCUSED,
                            LVIS_SELECTED | LVIS_FOCUSED);
      break;
    }
  }
  InvalidateRect(list_, nullptr, FALSE);
  ShowWindow(empty_, kept_.book().size() == 0 ? SW_SHOW : SW_HIDE);
  ShowCurrent();
}

std::vector<const book::Record*> BookWindow::Selected() const {
  std::vector<const book::Record*> records;
  for (int row = ListView_GetNextItem(list_, -1, LVNI_SELECTED); row >= 0;
       row = ListView_GetNextItem(list_, row, LVNI_SELECTED)) {
    if (static_cast<std::size_t>(row) < shown_.size()) records.push_back(shown_[row]);
  }
  return records;
}

const book::Record* BookWindow::Current() const {
  const int row = ListView_GetNextItem(list_, -1, LVNI_FOCUSED | LVNI_SELECTED);
  if (row < 0 || static_cast<std::size_t>(row) >= shown_.size()) {
    const std::vector<const book::Record*> picked = Selected();
    return picked.empty() ? nullptr : picked.front();
  }
  return shown_[static_cast<std::size_t>(row)];
}

void BookWindow::ShowCurrent() {
  const std::vector<const book::Record*> picked = Selected();
  EnableWindow(bar_[0], picked.size() >= 2 && picked.size() <= kMaxCompared);
  const book::Record* record = Current();
  const bool was_shown = IsWindowVisible(heading_) != FALSE;
  const int show = record != nullptr ? SW_SHOW : SW_HIDE;
  for (HWND part :
       {heading_, name_label_, name_, note_label_, note_, timeline_caption_, timeline_, chart_}) {
    ShowWindow(part, show);
  }
  for (HWND action : actions_) ShowWindow(action, show);
  if (record == nullptr) {
    shown_id_.clear();
    pet_.clear();
    if (was_shown) LayOut();
    return;
  }
  EnableWindow(actions_.back(), picked.size() == 2);
  SetWindowTextW(actions_[2], W(record->pinned ? captions::kUnpin : captions::kPin).c_str());
  SetWindowTextW(heading_, (W(book::ShownName(*record)) + L"：" + W(captions::kLevelHeading) +
                            L" " + W(book::LevelsOf(*record)))
                               .c_str());
  const bool same = shown_id_ == record->id;
  if (!same || GetFocus() != name_) SetWindowTextW(name_, W(record->name).c_str());
  if (!same || GetFocus() != note_) {
    SetWindowTextW(note_, ToWide(WithWindowsLineBreaks(FromWide(W(record->note)))).c_str());
  }
  Edit_SetModify(name_, FALSE);
  Edit_SetModify(note_, FALSE);
  shown_id_ = record->id;

  pet_ = kept_.book().RecordsOf(record->pet);
  SetWindowTextW(
      timeline_caption_,
      Format(captions::kTimelineFormat,
             {record->name.empty() ? W(captions::kThisPet) : W(record->name), Count(pet_.size())})
          .c_str());
  ListView_DeleteAllItems(timeline_);
  for (std::size_t i = 0; i < pet_.size(); ++i) {
    std::wstring levels = W(book::LevelsOf(*pet_[i]));
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(i);
    item.pszText = levels.data();
    ListView_InsertItem(timeline_, &item);
    for (std::size_t stat = 0; stat < form::kGrownStatCount; ++stat) {
      std::wstring growth = ToWide(GrowthText(pet_[i]->growth.per_level[stat]));
      ListView_SetItemText(timeline_, static_cast<int>(i), static_cast<int>(stat) + 1,
                           growth.data());
    }
  }
  InvalidateRect(chart_, nullptr, TRUE);
  if (!was_shown) LayOut();
}

void BookWindow::ShowProblem() {
  const std::wstring problem = W(kept_.problem());
  SetWindowTextW(problem_, problem.c_str());
  const bool read_only = kept_.store().read_only();
  ShowWindow(problem_, problem.empty() ? SW_HIDE : SW_SHOW);
  ShowWindow(restore_, read_only && kept_.store().can_restore() ? SW_SHOW : SW_HIDE);
  ShowWindow(start_new_, read_only ? SW_SHOW : SW_HIDE);
  LayOut();
}

void BookWindow::Changed(const book::Changes& ids) { kept_.Changed(ids); }

void BookWindow::Say(const std::wstring& text) {
  said_ = text;
  SetWindowTextW(status_, text.c_str());
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, status_, OBJID_CLIENT, CHILDID_SELF);
}

void BookWindow::OfferUndo(const std::wstring& what, std::function<void()> undo) {
  undo_ = std::move(undo);
  EnableWindow(bar_.back(), TRUE);
  Say(what);
}

void BookWindow::TakeBack() {
  if (!undo_) return;
  const std::function<void()> run = std::move(undo_);
  undo_ = nullptr;
  EnableWindow(bar_.back(), FALSE);
  run();
  Say(W(captions::kUndone));
}

void BookWindow::PutBack() {
  const book::Record* record = Current();
  if (record == nullptr) return;
  if (window_.clicking()) return Say(W(captions::kBusy));
  const Form1Window::Held before = window_.held();
  const PetStats stats = record->stats;
  const std::optional<std::int32_t> target = record->target_level;
  window_.PutBack(stats, target);
  OfferUndo(W(captions::kPutBackDone), [this, before] {
    if (!window_.clicking()) window_.Restore(before);
  });
}

void BookWindow::CopyText() {
  const book::Record* record = Current();
  if (record == nullptr || !OpenClipboard(hwnd_)) return;
  const std::wstring text = ToWide(WithWindowsLineBreaks(FromWide(W(book::Summary(*record)))));
  EmptyClipboard();
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t))) {
    std::copy(text.c_str(), text.c_str() + text.size() + 1,
              static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    // The clipboard owns the memory only once it has taken it.
    // cppcheck-suppress doubleFree
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) GlobalFree(memory);
  }
  CloseClipboard();
  Say(W(captions::kCopied));
}

void BookWindow::TogglePin() {
  if (const book::Record* record = Current()) {
    Changed(kept_.book().SetPinned(record->id, !record->pinned, book::Now()));
  }
}

void BookWindow::RemoveSelected() {
  std::vector<std::string> ids;
  for (const book::Record* record : Selected()) ids.push_back(record->id);
  if (ids.empty()) return;
  book::Deletion deletion = kept_.book().Delete(ids, book::Now());
  shown_id_.clear();
  Changed(ids);
  OfferUndo(Format(captions::kDeletedFormat, {Count(deletion.records.size())}),
            [this, deletion] { Changed(kept_.book().Undo(deletion)); });
}

void BookWindow::Split() {
  if (const book::Record* record = Current())
    Changed(kept_.book().SplitOff(record->id, book::Now()));
}

void BookWindow::Join() {
  const book::Record* record = Current();
  const std::vector<const book::Record*> picked = Selected();
  if (record == nullptr || picked.size() != 2) return;
  const book::Record* other = picked[0] == record ? picked[1] : picked[0];
  Changed(kept_.book().JoinPet(record->id, other->id, book::Now()));
}

void BookWindow::KeepName() {
  const book::Record* record = Current();
  if (record == nullptr || !Edit_GetModify(name_)) return;
  Edit_SetModify(name_, FALSE);
  Changed(kept_.book().Rename(record->id, Utf8FromWide(WindowText(name_)), book::Now()));
}

void BookWindow::KeepNote() {
  const book::Record* record = Current();
  if (record == nullptr || !Edit_GetModify(note_)) return;
  Edit_SetModify(note_, FALSE);
  std::wstring note = WindowText(note_);
  note.erase(std::remove(note.begin(), note.end(), L'\r'), note.end());
  Changed(kept_.book().SetNote(record->id, Utf8FromWide(note), book::Now()));
}

// Side by side in a message: each value in each record, and its difference to the first's.
void BookWindow::Compare() {
  const std::vector<const book::Record*> records = Selected();
  if (records.size() < 2 || records.size() > kMaxCompared) return;
  ListDialog compared{.title = Format(captions::kCompareTitleFormat, {Count(records.size())}),
                      .text = {},
                      .headings = {W(captions::kCompareItem)},
                      .rows = {},
                      .checks = false,
                      .accept = ToWide(form::kOkCaption),
                      .cancel = {}};
  for (const book::Record* record : records)
    compared.headings.push_back(W(book::ShownName(*record)));
  for (const book::ComparedValue& value : book::Compare(records)) {
    std::vector<std::wstring>& row = compared.rows.emplace_back(1, W(value.name));
    for (std::size_t i = 0; i < value.values.size(); ++i) {
      row.push_back(W(value.values[i]));
      if (i > 0) row.back() += L"（" + W(value.differences[i - 1]) + L"）";
    }
  }
  ShowListDialog(hwnd_, compared);
}

void BookWindow::ClearAll() {
  if (kept_.book().size() == 0) return;
  if (!Ask(hwnd_, W(captions::kClear),
           Format(captions::kClearQuestionFormat, {Count(kept_.book().size())}),
           W(captions::kClearAll))) {
    return;
  }
  book::Deletion deletion = kept_.book().Clear(book::Now());
  book::Changes ids;
  for (const book::Record& record : deletion.records) ids.push_back(record.id);
  shown_id_.clear();
  Changed(ids);
  OfferUndo(Format(captions::kDeletedFormat, {Count(ids.size())}),
            [this, deletion] { Changed(kept_.book().Undo(deletion)); });
}

void BookWindow::ExportBook() {
  SYSTEMTIME today{};
  GetLocalTime(&today);
  wchar_t day[16];
  swprintf(day, 16, L"%04u-%02u-%02u", today.wYear, today.wMonth, today.wDay);
  DWORD filter = 1;
  const std::wstring file =
      ChooseFile(hwnd_, true, Format(captions::kExportNameFormat, {day}) + L".json", filter);
  if (file.empty()) return;
  const bool as_csv = filter == 2 || EndsWith(file, L".csv");
  Win32BookFiles files;
  const std::string failed = files.Replace(
      Utf8FromWide(file), as_csv ? book::BookCsv(kept_.book()) : book::BookJson(kept_.book()));
  if (!failed.empty()) Tell(hwnd_, captions::kExport, W(failed));
}

void BookWindow::ImportBook() {
  DWORD filter = 1;
  const std::wstring file = ChooseFile(hwnd_, false, {}, filter);
  if (file.empty()) return;
  const std::wstring name = file.substr(file.find_last_of(L"\\/") + 1);
  const auto refuse = [&](const std::wstring& why) {
    Tell(hwnd_, captions::kImport, Format(captions::kImportRefusedFormat, {name, why}));
  };
  Win32BookFiles files;
  const book::FileBytes read = files.Read(Utf8FromWide(file));
  if (read.state != book::FileBytes::State::kRead) return refuse(W(read.problem));
  const bool is_json =
      EndsWith(file, L".json") || (!read.bytes.empty() && read.bytes.front() == '{');
  book::FileRead taken;
  if (is_json) {
    taken = book::ReadBookJson(read.bytes);
  } else if (book::IsUtf8(read.bytes)) {
    taken = book::ReadBookCsv(read.bytes, book::Now());
  } else {
    const int size = MultiByteToWideChar(kGb18030, MB_ERR_INVALID_CHARS, read.bytes.data(),
                                         static_cast<int>(read.bytes.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(std::max(size, 0)), L'\0');
    if (size > 0 &&
        MultiByteToWideChar(kGb18030, MB_ERR_INVALID_CHARS, read.bytes.data(),
                            static_cast<int>(read.bytes.size()), text.data(), size) > 0) {
      taken = book::ReadBookCsv(Utf8FromWide(text), book::Now());
    } else {
      taken.problem = book::kUndecodable;
    }
  }
  if (!taken.file) return refuse(W(taken.problem));

  book::ImportPreview preview = book::PreviewImport(kept_.book(), std::move(*taken.file));
  std::wstring text = Format(captions::kImportSummaryFormat,
                             {Count(preview.new_records), Count(preview.already_there),
                              Count(preview.changed), Count(preview.deleted)});
  if (!preview.problems.empty()) {
    text += L"\n\n" + Format(captions::kImportProblemsFormat, {Count(preview.problems.size())});
    for (const book::RowProblem& problem : preview.problems) {
      text += L"\n" + W(problem.where + "：" + problem.reason);
    }
  }
  const std::wstring title = W(captions::kImport) + L"“" + name + L"”";
  std::vector<std::string> brought_back;
  if (preview.deleted_here.empty()) {
    if (!Ask(hwnd_, title, text, W(captions::kImport))) return;
  } else {
    // The records deleted here, each for the player to bring back or leave deleted.
    ListDialog choice{
        .title = title,
        .text = text + L"\n\n" +
                Format(captions::kImportDeletedHereFormat, {Count(preview.deleted_here.size())}),
        .headings = {W(captions::kNameHeading), W(captions::kLevelHeading)},
        .rows = {},
        .checks = true,
        .accept = W(captions::kImport),
        .cancel = W(captions::kCancel)};
    for (const std::size_t at : preview.deleted_here) {
      const auto& record = std::get<book::Record>(preview.entries[at]);
      choice.rows.push_back({W(book::ShownName(record)), W(book::LevelsOf(record))});
    }
    std::vector<bool> checked;
    if (!ShowListDialog(hwnd_, choice, &checked)) return;
    for (std::size_t i = 0; i < checked.size(); ++i) {
      if (checked[i]) {
        brought_back.push_back(std::get<book::Record>(preview.entries[preview.deleted_here[i]]).id);
      }
    }
  }
  const book::Changes changes = book::ApplyImport(kept_.book(), preview, brought_back);
  Changed(changes);
  Say(Format(captions::kImportedFormat, {Count(changes.size())}));
}

BookWindowOpener::BookWindowOpener(HINSTANCE instance, KeptBook& kept, Form1Window& window)
    : instance_(instance), kept_(kept), window_(window) {
  window_.book_wanted = [this] { Made().Present(); };
  kept_.on_problem = [this](const std::string& problem) {
    if (book_) book_->ProblemChanged();
    if (problem.empty() || (book_ && IsWindowVisible(book_->hwnd()))) return;
    // Shown without taking the focus from the main window.
    ShowWindow(Made().hwnd(), SW_SHOWNOACTIVATE);
  };
}

bool BookWindowOpener::PreTranslateMessage(MSG& message) {
  return book_ && book_->PreTranslateMessage(message);
}

BookWindow& BookWindowOpener::Made() {
  if (!book_) book_ = std::make_unique<BookWindow>(instance_, kept_, window_);
  return *book_;
}

}  // namespace petcalc::win32

#include "win32/form1_window.h"

#include <windowsx.h>

#include <optional>
#include <stdexcept>
#include <utility>

#include "book/captions.h"
#include "form/layout.h"
#include "form/stats.h"
#include "form/tab_order.h"
#include "resources/resource_ids.h"
#include "win32/accessible_name.h"
#include "win32/keys.h"
#include "win32/logo.h"
#include "win32/wide_text.h"
#include "win32/win32_runtime.h"

namespace petcalc::win32 {
namespace {

using form::Control;
using form::ControlKind;
using form::ControlRow;

constexpr wchar_t kClassName[] = L"PetCalcForm1";
// The system menu's and the context menu's one item: the book. System commands are multiples of 16.
constexpr UINT kBookCommand = 0x0F10;
constexpr int kFirstControlId = 100;
// The controls are drawn inside the window only, so resizing repaints no control twice.
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

RECT ToRect(form::PixelRect r) { return {r.left, r.top, r.right(), r.bottom()}; }

// The window class and styles a row's control is made with.
struct ControlClass {
  const wchar_t* name;
  DWORD style;
  DWORD extended_style;
};

ControlClass ClassOf(const ControlRow& row) {
  // Every control clips its siblings, so where boxes overlap the picture the one higher in the
  // z-order is drawn over the other.
  constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  switch (row.kind) {
    case ControlKind::kLabel:
      return {L"STATIC", kChild | SS_CENTER | SS_NOPREFIX, 0};
    case ControlKind::kTextBox:
      return {L"EDIT",
              kChild | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL | (row.read_only ? ES_READONLY : 0),
              WS_EX_CLIENTEDGE};
    case ControlKind::kPushButton:
      return {L"BUTTON", kChild | WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::kPicture:
      return {L"STATIC", kChild | SS_OWNERDRAW, 0};
  }
  return {};
}

ATOM RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(PETCALC_ICON_GROUP));
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  // The system's window colour, as dialogs and labels show it.
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kClassName;
  return RegisterClassExW(&window_class);
}

SIZE CaptionSize(std::u16string_view caption, HFONT font) {
  const std::wstring text = ToWide(caption);
  const WindowDc screen;
  const Selection selected(screen.get(), font);
  SIZE size{};
  GetTextExtentPoint32W(screen.get(), text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

// The frame's share of a window of these styles at `dpi`.
SIZE FrameExtra(HWND window, int dpi) {
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectExForDpi(&frame, GetWindowStyle(window), FALSE, GetWindowExStyle(window),
                           static_cast<UINT>(dpi));
  return {frame.right - frame.left, frame.bottom - frame.top};
}

// The window's outer size for a client area of the form's size at `dpi`.
SIZE FrameSize(int dpi) {
  RECT frame{0, 0, form::ClientSize(dpi).width, form::ClientSize(dpi).height};
  AdjustWindowRectExForDpi(&frame, kWindowStyle, FALSE, 0, static_cast<UINT>(dpi));
  return {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace

int ControlId(Control control) { return kFirstControlId + static_cast<int>(control.row()); }

Form1Window::Form1Window(HINSTANCE instance, ClickObserver* observer)
    : instance_(instance), observer_(observer) {
  static const ATOM kRegistered = RegisterWindowClass(instance, Procedure);
  if (kRegistered == 0) throw std::runtime_error("the window class could not be registered");
  const std::wstring title = ToWide(form::kForm1Title);
  // Sized for the primary screen's density; WM_CREATE corrects it if the window is on another.
  const SIZE frame = FrameSize(static_cast<int>(GetDpiForSystem()));
  const HWND created =
      CreateWindowExW(0, kClassName, title.c_str(), kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                      frame.cx, frame.cy, nullptr, nullptr, instance, this);
  if (created == nullptr) throw std::runtime_error("the window could not be created");
}

Form1Window::~Form1Window() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

LRESULT CALLBACK Form1Window::Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* window =
        static_cast<Form1Window*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    window->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  auto* window = reinterpret_cast<Form1Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (window == nullptr) return DefWindowProcW(hwnd, message, wparam, lparam);
  // The click actions catch their own; this keeps anything else from unwinding into Windows. A
  // window that cannot make its controls is not made at all.
  try {
    return window->Handle(message, wparam, lparam);
  } catch (...) {
    return message == WM_CREATE ? -1 : DefWindowProcW(hwnd, message, wparam, lparam);
  }
}

LRESULT Form1Window::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_COMMAND:
      OnCommand(GET_WM_COMMAND_HWND(wparam, lparam), GET_WM_COMMAND_CMD(wparam, lparam));
      return 0;
    case WM_CTLCOLORSTATIC:
      return OnCtlColorStatic(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
      return TRUE;
    case WM_GETDPISCALEDSIZE:
      return OnGetDpiScaledSize(static_cast<int>(wparam), *reinterpret_cast<SIZE*>(lparam));
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
      return 0;
    case WM_ACTIVATE:
      OnActivate(LOWORD(wparam));
      return 0;
    case WM_SETFOCUS:
      OnSetFocus();
      return 0;
    case WM_CONTEXTMENU:
      OnContextMenu(reinterpret_cast<HWND>(wparam), {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
      return 0;
    case WM_SYSCOMMAND:
      if ((wparam & 0xFFF0) == kBookCommand) {
        WantBook();
        return 0;
      }
      return DefWindowProcW(hwnd_, message, wparam, lparam);
    case WM_DESTROY:
      SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd_, message, wparam, lparam);
  }
}

void Form1Window::OnCreate() {
  dpi_ = static_cast<int>(GetDpiForWindow(hwnd_));
  fonts_ = std::make_unique<FormFonts>(dpi_);
  // Tab visits the boxes and buttons in the order they are created: theirs first, in tab order.
  for (const Control control : form::TabOrder()) CreateControl(control);
  for (const Control control : Control::All()) {
    if (controls_[control] == nullptr) CreateControl(control);
  }
  SetWindowPos(controls_[form::kStackedBelowAll], HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  runtime_ = std::make_unique<Win32Runtime>(hwnd_, controls_);
  calculator_.emplace(*runtime_, observer_);
  const std::wstring book = WideFromUtf8(book::captions::kTitle);
  HMENU system = GetSystemMenu(hwnd_, FALSE);
  AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(system, MF_STRING, kBookCommand, book.c_str());
  focus_ = controls_[form::kFirstFocus];
  SizeClientArea();
}

// Each control is made where it belongs at dpi_, in its font, with its accessible name.
void Form1Window::CreateControl(Control control) {
  const ControlRow& row = control.description();
  const ControlClass kind = ClassOf(row);
  const std::wstring caption = ToWide(row.caption);
  const RECT place = PlaceOf(row);
  HWND made = CreateWindowExW(
      kind.extended_style, kind.name, caption.c_str(), kind.style, place.left, place.top,
      place.right - place.left, place.bottom - place.top, hwnd_,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(control))), instance_, nullptr);
  if (made == nullptr) throw std::runtime_error("a control could not be created");
  SetWindowFont(made, fonts_->For(row.font), FALSE);
  // Lifts the edit control's default limit of 30,000 characters.
  if (row.kind == ControlKind::kTextBox) Edit_LimitText(made, 0);
  if (!row.accessible_name.empty()) SetAccessibleName(made, row.accessible_name);
  controls_[control] = made;
}

// A control's rectangle at dpi_: its twips scaled, or for an auto-sized label, its left and top
// with the size of its caption in its font.
RECT Form1Window::PlaceOf(const ControlRow& row) const {
  RECT rect = ToRect(form::ToPixels(row.rect, dpi_));
  if (row.auto_size) {
    const SIZE caption = CaptionSize(row.caption, fonts_->For(row.font));
    rect.right = rect.left + caption.cx;
    rect.bottom = rect.top + caption.cy;
  }
  return rect;
}

// Every control again at its place and in its font for dpi_, and the logo to be decoded afresh.
// The old fonts are deleted only once no control holds them.
void Form1Window::LayOut() {
  auto old_fonts = std::exchange(fonts_, std::make_unique<FormFonts>(dpi_));
  logo_.reset();
  for (const Control control : Control::All()) {
    const ControlRow& row = control.description();
    const RECT place = PlaceOf(row);
    SetWindowFont(controls_[control], fonts_->For(row.font), FALSE);
    SetWindowPos(controls_[control], nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  old_fonts.reset();
  InvalidateRect(hwnd_, nullptr, TRUE);
}

// Sizes the window so that its client area is the form's at dpi_, with the frame it has now.
// Only when it is made: later sizes are the user's or the system's.
void Form1Window::SizeClientArea() {
  const SIZE frame = FrameExtra(hwnd_, dpi_);
  const form::PixelSize client = form::ClientSize(dpi_);
  RECT now;
  GetClientRect(hwnd_, &now);
  if (now.right == client.width && now.bottom == client.height) return;
  SetWindowPos(hwnd_, nullptr, 0, 0, client.width + frame.cx, client.height + frame.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::optional<Control> Form1Window::ControlOf(HWND window) const {
  const int id = GetDlgCtrlID(window);
  if (GetParent(window) != hwnd_ || id < kFirstControlId ||
      id >= kFirstControlId + static_cast<int>(form::kControlCount)) {
    return std::nullopt;
  }
  return Control::AtRow(static_cast<std::size_t>(id - kFirstControlId));
}

bool Form1Window::IsKind(HWND window, ControlKind kind) const {
  const std::optional<Control> control = ControlOf(window);
  return control && control->description().kind == kind;
}

void Form1Window::OnCommand(HWND sender, UINT code) {
  if (code != BN_CLICKED) return;
  if (const std::optional<Control> control = ControlOf(sender)) {
    clicking_ = true;
    calculator_->Click(*control);
    clicking_ = false;
  }
}

// The boxes keep their own edit menus; elsewhere the window's menu opens the book. From the
// keyboard (Shift+F10) it opens at the focused control.
void Form1Window::OnContextMenu(HWND target, POINT at) {
  if (IsKind(target, ControlKind::kTextBox)) return;
  if (at.x == -1 && at.y == -1) {
    RECT focused;
    GetWindowRect(GetFocus() != nullptr ? GetFocus() : hwnd_, &focused);
    at = {focused.left, focused.bottom};
  }
  HMENU menu = CreatePopupMenu();
  const std::wstring item = WideFromUtf8(book::captions::kTitle) + L"\tF2";
  AppendMenuW(menu, MF_STRING, kBookCommand, item.c_str());
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(
      menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, hwnd_, nullptr));
  DestroyMenu(menu);
  if (chosen == kBookCommand) WantBook();
}

void Form1Window::WantBook() {
  if (book_wanted) book_wanted();
}

std::vector<HWND> Form1Window::Boxes() const {
  std::vector<HWND> boxes;
  for (const Control control : Control::All()) {
    if (control.description().kind == ControlKind::kTextBox) boxes.push_back(controls_[control]);
  }
  return boxes;
}

Form1Window::Held Form1Window::held() const {
  Held held{{}, calculator_->Saved()};
  for (HWND box : Boxes()) held.texts.push_back(WindowText(box));
  return held;
}

void Form1Window::Restore(const Held& held) {
  const std::vector<HWND> boxes = Boxes();
  for (std::size_t i = 0; i < boxes.size() && i < held.texts.size(); ++i) {
    SetWindowTextW(boxes[i], held.texts[i].c_str());
  }
  calculator_->Restore(held.sheet);
}

void Form1Window::PutBack(const PetStats& stats, std::optional<std::int32_t> target_level) {
  for (std::size_t i = 0; i < form::kStatBoxCount; ++i) {
    SetWindowTextW(controls_[form::StatBox(i)], ToWide(WholeText(stats[i])).c_str());
  }
  SetWindowTextW(controls_[form::kTargetLevelBox],
                 target_level ? ToWide(WholeText(*target_level)).c_str() : L"");
  OnCommand(controls_[form::Command1], BN_CLICKED);
  if (target_level) OnCommand(controls_[form::Command2], BN_CLICKED);
}

// Read-only boxes ask with WM_CTLCOLORSTATIC too; they keep the edit-field colours, as the
// other boxes do, rather than the dialog background.
LRESULT Form1Window::OnCtlColorStatic(HDC dc, HWND control) {
  if (!IsKind(control, ControlKind::kTextBox)) {
    return DefWindowProcW(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(control));
  }
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

// The picture: the logo at its own size, from the top-left corner, never stretched. Decoded on
// its first paint, so the window is on the screen without waiting for the image decoder.
void Form1Window::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.hwndItem != controls_[form::Image1]) return;
  if (!logo_) logo_ = LoadLogo(instance_, dpi_);
  if (!logo_) return;
  const UniqueDc source(CreateCompatibleDC(item.hDC));
  const Selection selected(source.get(), logo_.get());
  // LoadLogo makes the logo the picture's own size at dpi_.
  const form::PixelRect size = form::PixelsOf(form::Image1, dpi_);
  BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, size.width, size.height, source.get(), 0, 0,
         SRCCOPY);
}

// The size the window should take at `dpi`: at the form's own size, the form's size there with
// the frame of that density (scaling the whole window would miss it by the frame's rounding); a
// size the user chose, its client area scaled.
bool Form1Window::OnGetDpiScaledSize(int dpi, SIZE& size) const {
  if (IsZoomed(hwnd_) || IsIconic(hwnd_)) return false;
  const SIZE old_frame = FrameExtra(hwnd_, dpi_);
  const SIZE new_frame = FrameExtra(hwnd_, dpi);
  const SIZE client{size.cx - old_frame.cx, size.cy - old_frame.cy};
  const form::PixelSize natural = form::ClientSize(dpi_);
  if (client.cx == natural.width && client.cy == natural.height) {
    size = {form::ClientSize(dpi).width + new_frame.cx,
            form::ClientSize(dpi).height + new_frame.cy};
  } else {
    size = {MulDiv(client.cx, dpi, dpi_) + new_frame.cx,
            MulDiv(client.cy, dpi, dpi_) + new_frame.cy};
  }
  return true;
}

// The system's rectangle is taken as it is: it keeps a maximised window maximised and a size
// the user chose.
void Form1Window::OnDpiChanged(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  LayOut();
}

// The focus leaves with the window and comes back to the same control, as in a dialog.
void Form1Window::OnActivate(UINT state) {
  if (state == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(hwnd_, focus)) focus_ = focus;
  } else if (!IsIconic(hwnd_)) {
    OnSetFocus();
  }
}

void Form1Window::OnSetFocus() {
  if (focus_ != nullptr) SetFocus(focus_);
}

bool Form1Window::PreTranslateMessage(MSG& message) {
  if (message.message == WM_KEYDOWN && message.wParam == VK_F2 && !IsKeyRepeat(message.lParam) &&
      (message.hwnd == hwnd_ || IsChild(hwnd_, message.hwnd))) {
    WantBook();
    return true;
  }
  if (message.message == WM_KEYDOWN) {
    const bool in_box = IsKind(message.hwnd, ControlKind::kTextBox);
    if (message.wParam == VK_RETURN) {
      if (IsKind(message.hwnd, ControlKind::kPushButton)) {
        // A held key presses once: its repeats would reach the prompt the press opens.
        if (!IsKeyRepeat(message.lParam)) OnCommand(message.hwnd, BN_CLICKED);
        return true;
      }
      if (in_box) return true;
    }
    // Ctrl+A, but not AltGr+A (Ctrl+Alt), which types a letter on some keyboards.
    if (message.wParam == 'A' && in_box && GetKeyState(VK_CONTROL) < 0 &&
        GetKeyState(VK_MENU) >= 0) {
      Edit_SetSel(message.hwnd, 0, -1);
      return true;
    }
  }
  return hwnd_ != nullptr && IsDialogMessageW(hwnd_, &message);
}

int RunMessageLoop(Form1Window& window, const std::function<bool(MSG&)>& other) {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (other && other(message)) continue;
    if (window.PreTranslateMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace petcalc::win32

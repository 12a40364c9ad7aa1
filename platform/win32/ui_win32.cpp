// Windows and controls on the Win32 API.
#include <windows.h>
// after windows.h
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/ui.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide.h"

namespace orvane::ui {
namespace {

constexpr UINT kTrayMessage = WM_APP + 1;
constexpr UINT kTrayId = 1;
constexpr wchar_t kWindowClass[] = L"OrvaneWindow";
constexpr wchar_t kShapeClass[] = L"OrvaneShape";
constexpr wchar_t kLabelClass[] = L"OrvaneLabel";
constexpr wchar_t kNameProperty[] = L"OrvaneName";

struct ControlRec {
  std::string name;
  Kind kind;
  int window;
  unsigned flags;
  HWND hwnd = nullptr;
  ATOM name_atom = 0;
  win32::Font font;
  int font_points = 9;
  Picture picture = Picture::None;
  int period = 0;
  Handler click, mouse_down, tick;
  std::function<bool(char32_t)> char_filter;
};

struct WindowRec {
  std::string name;
  HWND hwnd = nullptr;
  HWND tooltip = nullptr;
  std::vector<int> controls;
  Handler tray_event;
  // From add_tray_icon until remove_tray_icon, also while the taskbar is
  // away; the icon and tip shown last, to add it again.
  bool tray_wanted = false;
  Icon tray_icon = Icon::Program;
  std::string tray_tip;
  win32::Icon blank_icon;
};

struct MenuItemRec {
  int level;
  std::string text;
  unsigned flags;
  Handler handler;
};

struct MenuRec {
  int window;
  std::vector<MenuItemRec> items;
};

// One program-wide store of what the designs created.
std::vector<std::unique_ptr<ControlRec>> g_controls;
std::vector<std::unique_ptr<WindowRec>> g_windows;
std::vector<MenuRec> g_menus;
std::unordered_map<HWND, int> g_by_hwnd;
win32::Font g_gui_font;

HINSTANCE instance() { return GetModuleHandleW(nullptr); }

ControlRec* rec(Control c) {
  return c.id >= 0 && c.id < static_cast<int>(g_controls.size()) ? g_controls[c.id].get() : nullptr;
}
WindowRec* rec(Window w) {
  return w.id >= 0 && w.id < static_cast<int>(g_windows.size()) ? g_windows[w.id].get() : nullptr;
}
ControlRec* rec_of(HWND h) {
  auto it = g_by_hwnd.find(h);
  return it == g_by_hwnd.end() ? nullptr : g_controls[it->second].get();
}

int points_to_height(int points) {
  HDC dc = GetDC(nullptr);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  // The size itself is unbounded; the text is drawn between 1 and 500 points.
  return -MulDiv(std::clamp(points, 1, 500), dpi, 72);
}

HFONT make_font(const wchar_t* face, int points) {
  return CreateFontW(points_to_height(points), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                     face);
}

HFONT gui_font() {
  if (!g_gui_font) g_gui_font.reset(make_font(L"Tahoma", 9));
  return g_gui_font.get();
}

void run(const Handler& h) {
  if (h) {
    Handler copy = h;  // the handler may replace itself
    copy();
  }
}

// --- Painting of the system's own control classes ------------------------------

void paint_label(HWND hwnd, const ControlRec* r) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT rc;
  GetClientRect(hwnd, &rc);
  const bool strip = r && (r->flags & kRaised);
  FillRect(dc, &rc, GetSysColorBrush(strip ? COLOR_ACTIVECAPTION : COLOR_BTNFACE));
  if (r && r->kind == Kind::PictureBox) FrameRect(dc, &rc, GetSysColorBrush(COLOR_BTNSHADOW));
  const int len = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<std::size_t>(len) + 1, L'\0');
  GetWindowTextW(hwnd, text.data(), len + 1);
  text.resize(static_cast<std::size_t>(len));
  HGDIOBJ old = SelectObject(dc, r && r->font ? r->font.get() : gui_font());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(strip ? COLOR_CAPTIONTEXT : COLOR_BTNTEXT));
  UINT align = (r && (r->flags & kCentred)) ? DT_CENTER : DT_LEFT;
  if (strip) rc.left += 4;
  DrawTextW(dc, text.c_str(), len, &rc, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
  EndPaint(hwnd, &ps);
}

void paint_shape(HWND hwnd, const ControlRec* r) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT rc;
  GetClientRect(hwnd, &rc);
  FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
  const int w = (r && (r->flags & kFrameWide)) ? 2 : 1;
  for (int i = 0; i < w; ++i) {
    FrameRect(dc, &rc, GetSysColorBrush(COLOR_BTNSHADOW));
    InflateRect(&rc, -1, -1);
  }
  EndPaint(hwnd, &ps);
}

void draw_picture(const DRAWITEMSTRUCT* di, const ControlRec* r) {
  HDC dc = di->hDC;
  RECT rc = di->rcItem;
  const bool down = (di->itemState & ODS_SELECTED) != 0;
  FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
  DrawEdge(dc, &rc, down ? EDGE_SUNKEN : BDR_RAISEDINNER, BF_RECT);
  win32::Pen pen(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNTEXT)));
  HGDIOBJ old = SelectObject(dc, pen.get());
  const int cx = (rc.left + rc.right) / 2 + (down ? 1 : 0), cy = (rc.top + rc.bottom) / 2 + (down ? 1 : 0);
  switch (r ? r->picture : Picture::None) {
    case Picture::More:  // a small triangle pointing down
      for (int i = 0; i < 4; ++i) {
        MoveToEx(dc, cx - 3 + i, cy - 2 + i, nullptr);
        LineTo(dc, cx + 4 - i, cy - 2 + i);
      }
      break;
    case Picture::Minimise:
      MoveToEx(dc, cx - 4, cy + 3, nullptr);
      LineTo(dc, cx + 4, cy + 3);
      MoveToEx(dc, cx - 4, cy + 2, nullptr);
      LineTo(dc, cx + 4, cy + 2);
      break;
    case Picture::Close:
      for (int d = 0; d < 2; ++d) {
        MoveToEx(dc, cx - 4 + d, cy - 4, nullptr);
        LineTo(dc, cx + 4 + d, cy + 4);
        MoveToEx(dc, cx + 3 + d, cy - 4, nullptr);
        LineTo(dc, cx - 5 + d, cy + 4);
      }
      break;
    case Picture::None:
      break;
  }
  SelectObject(dc, old);
}

// --- Tray icons ------------------------------------------------------------------

HICON program_icon() {
  static const win32::Icon icon(
      static_cast<HICON>(LoadImageW(instance(), MAKEINTRESOURCEW(1), IMAGE_ICON, 16, 16, 0)));
  return icon.get();
}

HICON blank_icon(WindowRec* w) {
  if (!w->blank_icon) {
    BYTE and_mask[16 * 16 / 8];
    BYTE xor_mask[16 * 16 / 8] = {};
    std::fill(std::begin(and_mask), std::end(and_mask), BYTE{0xFF});
    w->blank_icon.reset(CreateIcon(instance(), 16, 16, 1, 1, and_mask, xor_mask));
  }
  return w->blank_icon.get();
}

bool notify_tray(WindowRec* w, DWORD action) {
  NOTIFYICONDATAW nid{};
  nid.cbSize = sizeof nid;
  nid.hWnd = w->hwnd;
  nid.uID = kTrayId;
  nid.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
  nid.uCallbackMessage = kTrayMessage;
  nid.hIcon = w->tray_icon == Icon::Program ? program_icon() : blank_icon(w);
  lstrcpynW(nid.szTip, win32::widen(w->tray_tip).c_str(), static_cast<int>(std::size(nid.szTip)));
  return Shell_NotifyIconW(action, &nid) != FALSE;
}

// Broadcast when Explorer (re)starts: its new taskbar knows no icons yet.
UINT taskbar_created_message() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

LRESULT on_command_or_draw(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_COMMAND) {
    ControlRec* r = rec_of(reinterpret_cast<HWND>(lp));
    if (r && HIWORD(wp) == BN_CLICKED &&
        (r->kind == Kind::Button || r->kind == Kind::CheckBox || r->kind == Kind::PictureButton))
      run(r->click);
    return 0;
  }
  if (msg == WM_DRAWITEM) {
    const auto* di = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
    draw_picture(di, rec_of(di->hwndItem));
    return TRUE;
  }
  return 0;
}

LRESULT CALLBACK window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == taskbar_created_message() && msg != 0) {
    for (auto& w : g_windows)
      if (w->hwnd == hwnd && w->tray_wanted) notify_tray(w.get(), NIM_ADD);
    return 0;
  }
  switch (msg) {
    case WM_COMMAND:
    case WM_DRAWITEM:
      return on_command_or_draw(msg, wp, lp);
    case WM_TIMER: {
      const int id = static_cast<int>(wp) - 1;
      if (id >= 0 && id < static_cast<int>(g_controls.size())) run(g_controls[id]->tick);
      return 0;
    }
    case kTrayMessage:
      for (auto& w : g_windows)
        if (w->hwnd == hwnd) {
          switch (LOWORD(lp)) {
            case WM_LBUTTONUP:
            case WM_LBUTTONDBLCLK:
            case WM_RBUTTONUP:
            case WM_CONTEXTMENU:
              run(w->tray_event);
              break;
          }
        }
      return 0;
    case WM_CLOSE:
      return 0;  // the program ends through its own menu
    case WM_CTLCOLORSTATIC:
      SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CALLBACK shape_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
    case WM_DRAWITEM:
      return on_command_or_draw(msg, wp, lp);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      return SendMessageW(GetAncestor(hwnd, GA_ROOT), msg, wp, lp);
    case WM_PAINT:
      paint_shape(hwnd, rec_of(hwnd));
      return 0;
    case WM_ERASEBKGND:
      return 1;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CALLBACK label_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      paint_label(hwnd, rec_of(hwnd));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETTEXT: {
      const LRESULT r = DefWindowProcW(hwnd, msg, wp, lp);
      InvalidateRect(hwnd, nullptr, FALSE);
      return r;
    }
    case WM_LBUTTONDOWN:
      if (ControlRec* r = rec_of(hwnd)) run(r->mouse_down);
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CALLBACK filter_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  if (msg == WM_CHAR && wp >= 0x20) {
    ControlRec* r = rec_of(hwnd);
    if (r && r->char_filter && !r->char_filter(static_cast<char32_t>(wp))) return 0;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

void register_classes() {
  static bool done = false;
  if (done) return;
  done = true;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
  InitCommonControlsEx(&icc);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.hInstance = instance();
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.hIcon = LoadIconW(instance(), MAKEINTRESOURCEW(1));
  wc.lpfnWndProc = window_proc;
  wc.lpszClassName = kWindowClass;
  RegisterClassExW(&wc);
  wc.hIcon = nullptr;
  wc.lpfnWndProc = shape_proc;
  wc.lpszClassName = kShapeClass;
  RegisterClassExW(&wc);
  wc.lpfnWndProc = label_proc;
  wc.lpszClassName = kLabelClass;
  RegisterClassExW(&wc);
}

HWND create_control(const ControlDesign& d, HWND parent, int id) {
  const wchar_t* cls = kLabelClass;
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  DWORD ex = 0;
  switch (d.kind) {
    case Kind::Label:
    case Kind::PictureBox:
    case Kind::HtmlView:
    case Kind::MonthCalendar:
      break;
    case Kind::Edit:
      cls = L"EDIT";
      style |= WS_TABSTOP | ES_AUTOHSCROLL | WS_BORDER | ((d.flags & kCentred) ? ES_CENTER : ES_LEFT);
      break;
    case Kind::MultiLineEdit:
      cls = L"EDIT";
      style |= WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL;
      break;
    case Kind::CheckBox:
      cls = L"BUTTON";
      style |= WS_TABSTOP | BS_AUTOCHECKBOX;
      break;
    case Kind::Button:
      cls = L"BUTTON";
      style |= WS_TABSTOP | BS_PUSHBUTTON;
      break;
    case Kind::PictureButton:
      cls = L"BUTTON";
      style |= BS_OWNERDRAW;
      break;
    case Kind::ShapeBox:
      cls = kShapeClass;
      style |= WS_CLIPCHILDREN;
      ex = WS_EX_CONTROLPARENT;
      break;
    case Kind::GroupBox:
      cls = L"BUTTON";
      style |= BS_GROUPBOX;
      break;
    case Kind::DateBox:
      cls = DATETIMEPICK_CLASSW;
      style |= WS_TABSTOP | DTS_SHORTDATEFORMAT;
      break;
    case Kind::Timer:
      return nullptr;
  }
  if (!(d.flags & kHidden)) style |= WS_VISIBLE;
  const std::wstring text =
      d.kind == Kind::PictureButton ? std::wstring() : win32::widen(d.text ? d.text : "");
  HWND h = CreateWindowExW(ex, cls, text.c_str(), style, d.left, d.top, d.width, d.height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id + 100)), instance(), nullptr);
  return h;
}

HWND tooltip_of(WindowRec* w) {
  if (!w->tooltip) {
    w->tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                 WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, w->hwnd, nullptr, instance(), nullptr);
  }
  return w->tooltip;
}

MenuItemRec* find_item(Menu m, std::string_view text) {
  if (m.id < 0 || m.id >= static_cast<int>(g_menus.size())) return nullptr;
  for (auto& it : g_menus[m.id].items)
    if (it.text == text) return &it;
  return nullptr;
}

// Builds the Win32 menu of the items from index i at the given level.
HMENU build_menu(const std::vector<MenuItemRec>& items, std::size_t& i, int level) {
  HMENU menu = CreatePopupMenu();
  while (i < items.size() && items[i].level >= level) {
    const MenuItemRec& it = items[i];
    const UINT id = static_cast<UINT>(i + 1);
    ++i;
    const bool has_sub = i < items.size() && items[i].level > it.level;
    if (has_sub) {
      HMENU sub = build_menu(items, i, it.level + 1);
      if (!(it.flags & kItemHidden))
        AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub),
                    win32::widen(it.text).c_str());
      else
        DestroyMenu(sub);
    } else if (it.flags & kItemHidden) {
      continue;
    } else if (it.flags & kSeparator) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuW(menu, MF_STRING | ((it.flags & kItemChecked) ? MF_CHECKED : 0), id,
                  win32::widen(it.text).c_str());
    }
  }
  return menu;
}

}  // namespace

// --- Windows -------------------------------------------------------------------

Window load_window(const WindowDesign& design) {
  register_classes();
  auto w = std::make_unique<WindowRec>();
  w->name = design.name;
  const std::wstring caption = win32::widen(design.caption ? design.caption : "");
  w->hwnd = CreateWindowExW(0, kWindowClass, caption.c_str(),
                            WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, design.width,
                            design.height, nullptr, nullptr, instance(), nullptr);
  const Window handle{static_cast<int>(g_windows.size())};
  g_windows.push_back(std::move(w));
  WindowRec* wr = g_windows.back().get();
  for (const ControlDesign& d : design.controls) {
    const int id = static_cast<int>(g_controls.size());
    auto c = std::make_unique<ControlRec>();
    c->name = d.name;
    c->kind = d.kind;
    c->window = handle.id;
    c->flags = d.flags;
    if (d.kind == Kind::Timer) c->period = 0;
    HWND parent = wr->hwnd;
    if (d.container && *d.container) {
      for (int other : wr->controls)
        if (g_controls[other]->name == d.container) parent = g_controls[other]->hwnd;
    }
    c->hwnd = create_control(d, parent, id);
    if (c->hwnd) {
      g_by_hwnd[c->hwnd] = id;
      SendMessageW(c->hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(gui_font()), FALSE);
      c->name_atom = GlobalAddAtomW(win32::widen(d.name).c_str());
      SetPropW(c->hwnd, kNameProperty, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(c->name_atom)));
      if (d.kind == Kind::MultiLineEdit || d.kind == Kind::Edit) SendMessageW(c->hwnd, EM_SETLIMITTEXT, 0, 0);
      if (d.kind == Kind::CheckBox && (d.flags & kChecked))
        SendMessageW(c->hwnd, BM_SETCHECK, BST_CHECKED, 0);
    }
    g_controls.push_back(std::move(c));
    wr->controls.push_back(id);
    // A timer holds its designed period as width and runs from the start.
    if (d.kind == Kind::Timer && d.width > 0) set_period(Control{id}, d.width);
    if (d.kind == Kind::PictureButton && d.text && *d.text) set_tooltip(Control{id}, d.text);
  }
  // Later rows of the design lie above earlier ones.
  for (int id : wr->controls)
    if (HWND h = g_controls[id]->hwnd)
      SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return handle;
}

void destroy_window(Window w) {
  WindowRec* r = rec(w);
  if (!r || !r->hwnd) return;
  remove_tray_icon(w);
  for (int id : r->controls) {
    ControlRec* c = g_controls[id].get();
    if (c->kind == Kind::Timer && c->period > 0) KillTimer(r->hwnd, static_cast<UINT_PTR>(id + 1));
    if (c->hwnd) {
      RemovePropW(c->hwnd, kNameProperty);
      g_by_hwnd.erase(c->hwnd);
      c->hwnd = nullptr;
    }
    if (c->name_atom) GlobalDeleteAtom(c->name_atom);
    c->name_atom = 0;
  }
  DestroyWindow(r->hwnd);
  r->hwnd = nullptr;
}

Control control(Window w, std::string_view name) {
  if (WindowRec* r = rec(w))
    for (int id : r->controls)
      if (g_controls[id]->name == name) return Control{id};
  return Control{};
}

bool is_window_visible(Window w) {
  WindowRec* r = rec(w);
  return r && IsWindowVisible(r->hwnd);
}

void show_window(Window w, bool visible) {
  if (WindowRec* r = rec(w)) ShowWindow(r->hwnd, visible ? SW_SHOW : SW_HIDE);
}

void minimise_window(Window w) {
  if (WindowRec* r = rec(w)) ShowWindow(r->hwnd, SW_MINIMIZE);
}

void bring_to_front(Window w) {
  if (WindowRec* r = rec(w)) SwitchToThisWindow(r->hwnd, TRUE);
}

void set_window_rect(Window w, Rect rc) {
  if (WindowRec* r = rec(w)) MoveWindow(r->hwnd, rc.left, rc.top, rc.width, rc.height, TRUE);
}

Rect window_rect(Window w) {
  RECT rc{};
  if (WindowRec* r = rec(w)) GetWindowRect(r->hwnd, &rc);
  return Rect{rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top};
}

void set_caption(Window w, std::string_view text) {
  if (WindowRec* r = rec(w)) SetWindowTextW(r->hwnd, win32::widen(text).c_str());
}

std::string caption(Window w) {
  WindowRec* r = rec(w);
  if (!r) return {};
  const int len = GetWindowTextLengthW(r->hwnd);
  std::wstring t(static_cast<std::size_t>(len) + 1, L'\0');
  GetWindowTextW(r->hwnd, t.data(), len + 1);
  t.resize(static_cast<std::size_t>(len));
  return win32::narrow(t);
}

void set_topmost(Window w, bool on) {
  if (WindowRec* r = rec(w))
    SetWindowPos(r->hwnd, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void set_opacity(Window w, int alpha) {
  if (WindowRec* r = rec(w)) {
    SetWindowLongW(r->hwnd, GWL_EXSTYLE, GetWindowLongW(r->hwnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(r->hwnd, 0,
                               static_cast<BYTE>(alpha < 0     ? 0
                                                 : alpha > 255 ? 255
                                                               : alpha),
                               LWA_ALPHA);
  }
}

bool find_top_level_window(std::string_view caption_text) {
  return FindWindowW(nullptr, win32::widen(caption_text).c_str()) != nullptr;
}

void process_pending_events() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

int run_event_loop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    if (root && IsDialogMessageW(root, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

void quit(int exit_code) { PostQuitMessage(exit_code); }

// --- Controls ---------------------------------------------------------------------

void set_text(Control c, std::string_view t) {
  if (ControlRec* r = rec(c); r && r->hwnd) SetWindowTextW(r->hwnd, win32::widen(t).c_str());
}

std::string text(Control c) {
  ControlRec* r = rec(c);
  if (!r || !r->hwnd) return {};
  const int len = GetWindowTextLengthW(r->hwnd);
  std::wstring t(static_cast<std::size_t>(len) + 1, L'\0');
  const int got = GetWindowTextW(r->hwnd, t.data(), len + 1);
  t.resize(static_cast<std::size_t>(got));
  return win32::narrow(t);
}

void set_text_scroll_to_end(Control c, std::string_view t) {
  ControlRec* r = rec(c);
  if (!r || !r->hwnd) return;
  SendMessageW(r->hwnd, WM_SETREDRAW, FALSE, 0);
  SetWindowTextW(r->hwnd, win32::widen(t).c_str());
  const LRESULT len = SendMessageW(r->hwnd, WM_GETTEXTLENGTH, 0, 0);
  SendMessageW(r->hwnd, EM_SETSEL, static_cast<WPARAM>(len), len);
  SendMessageW(r->hwnd, WM_SETREDRAW, TRUE, 0);
  SendMessageW(r->hwnd, EM_SCROLLCARET, 0, 0);
  RedrawWindow(r->hwnd, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

void set_checked(Control c, bool on) {
  if (ControlRec* r = rec(c); r && r->hwnd)
    SendMessageW(r->hwnd, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool is_checked(Control c) {
  ControlRec* r = rec(c);
  return r && r->hwnd && SendMessageW(r->hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void set_visible(Control c, bool on) {
  if (ControlRec* r = rec(c); r && r->hwnd) ShowWindow(r->hwnd, on ? SW_SHOW : SW_HIDE);
}

bool is_visible(Control c) {
  ControlRec* r = rec(c);
  return r && r->hwnd && (GetWindowLongW(r->hwnd, GWL_STYLE) & WS_VISIBLE);
}

void set_rect(Control c, Rect rc) {
  if (ControlRec* r = rec(c); r && r->hwnd) MoveWindow(r->hwnd, rc.left, rc.top, rc.width, rc.height, TRUE);
}

Rect rect(Control c) {
  ControlRec* r = rec(c);
  if (!r || !r->hwnd) return {};
  RECT rc;
  GetWindowRect(r->hwnd, &rc);
  MapWindowPoints(HWND_DESKTOP, GetParent(r->hwnd), reinterpret_cast<POINT*>(&rc), 2);
  return Rect{rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top};
}

void set_font(Control c, std::string_view face, int points) {
  ControlRec* r = rec(c);
  if (!r || !r->hwnd) return;
  win32::Font font(make_font(win32::widen(face).c_str(), points));
  SendMessageW(r->hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  r->font = std::move(font);  // the old font goes once the control no longer uses it
  r->font_points = points;
}

int font_size(Control c) {
  ControlRec* r = rec(c);
  return r ? r->font_points : 0;
}

void set_focus(Control c) {
  if (ControlRec* r = rec(c); r && r->hwnd) SetFocus(r->hwnd);
}

bool has_focus(Control c) {
  ControlRec* r = rec(c);
  return r && r->hwnd && GetFocus() == r->hwnd;
}

void repaint(Control c) {
  if (ControlRec* r = rec(c); r && r->hwnd)
    RedrawWindow(r->hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void set_tooltip(Control c, std::string_view t) {
  ControlRec* r = rec(c);
  if (!r || !r->hwnd) return;
  std::wstring wt = win32::widen(t);
  TTTOOLINFOW ti{};
  ti.cbSize = sizeof ti;
  ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  ti.hwnd = g_windows[r->window]->hwnd;
  ti.uId = reinterpret_cast<UINT_PTR>(r->hwnd);
  ti.lpszText = wt.data();
  SendMessageW(tooltip_of(g_windows[r->window].get()), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

void set_picture(Control c, Picture p) {
  if (ControlRec* r = rec(c)) {
    r->picture = p;
    if (r->hwnd) InvalidateRect(r->hwnd, nullptr, TRUE);
  }
}

void begin_drag(Control what) {
  if (ControlRec* r = rec(what); r && r->hwnd) {
    ReleaseCapture();
    SendMessageW(r->hwnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
  }
}

void begin_window_drag(Window w) {
  if (WindowRec* r = rec(w)) {
    ReleaseCapture();
    SendMessageW(r->hwnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
  }
}

void on_click(Control c, Handler h) {
  if (ControlRec* r = rec(c)) r->click = std::move(h);
}

void on_mouse_down(Control c, Handler h) {
  if (ControlRec* r = rec(c)) r->mouse_down = std::move(h);
}

void set_char_filter(Control c, std::function<bool(char32_t)> accept) {
  ControlRec* r = rec(c);
  if (!r || !r->hwnd) return;
  if (!r->char_filter) SetWindowSubclass(r->hwnd, filter_proc, 1, 0);
  r->char_filter = std::move(accept);
}

// --- Timers -------------------------------------------------------------------------

void set_period(Control timer, int ms) {
  ControlRec* r = rec(timer);
  if (!r || r->kind != Kind::Timer) return;
  HWND owner = g_windows[r->window]->hwnd;
  const auto id = static_cast<UINT_PTR>(timer.id + 1);
  r->period = ms > 0 ? ms : 0;
  if (ms > 0)
    SetTimer(owner, id, static_cast<UINT>(ms), nullptr);
  else
    KillTimer(owner, id);
}

int period(Control timer) {
  ControlRec* r = rec(timer);
  return r ? r->period : 0;
}

void on_tick(Control timer, Handler h) {
  if (ControlRec* r = rec(timer)) r->tick = std::move(h);
}

// --- Menus -------------------------------------------------------------------------

Menu load_menu(Window owner, const MenuDesign& design) {
  MenuRec m{owner.id, {}};
  for (const MenuItemDesign& d : design.items) m.items.push_back(MenuItemRec{d.level, d.text, d.flags, {}});
  g_menus.push_back(std::move(m));
  return Menu{static_cast<int>(g_menus.size()) - 1};
}

void on_menu_item(Menu m, std::string_view item_text, Handler h) {
  if (MenuItemRec* it = find_item(m, item_text)) it->handler = std::move(h);
}

void set_menu_checked(Menu m, std::string_view item_text, bool on) {
  if (MenuItemRec* it = find_item(m, item_text))
    it->flags = on ? (it->flags | kItemChecked) : (it->flags & ~kItemChecked);
}

bool is_menu_checked(Menu m, std::string_view item_text) {
  MenuItemRec* it = find_item(m, item_text);
  return it && (it->flags & kItemChecked);
}

void show_menu_item(Menu m, std::string_view item_text, bool visible) {
  if (MenuItemRec* it = find_item(m, item_text))
    it->flags = visible ? (it->flags & ~kItemHidden) : (it->flags | kItemHidden);
}

void pop_up_menu(Menu m, Point at) {
  if (m.id < 0 || m.id >= static_cast<int>(g_menus.size())) return;
  const MenuRec& menu = g_menus[m.id];
  HWND owner = g_windows[menu.window]->hwnd;
  std::size_t i = 0;
  win32::MenuHandle popup(build_menu(menu.items, i, 0));
  SetForegroundWindow(owner);
  const UINT chosen = TrackPopupMenu(popup.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y,
                                     0, owner, nullptr);
  PostMessageW(owner, WM_NULL, 0, 0);
  if (chosen >= 1 && chosen <= g_menus[m.id].items.size()) run(g_menus[m.id].items[chosen - 1].handler);
}

Point cursor_position() {
  POINT p{};
  GetCursorPos(&p);
  return Point{p.x, p.y};
}

// --- Tray icons ------------------------------------------------------------------------

// Without a taskbar (Explorer not yet running) the icon is added when the
// taskbar announces itself.
bool add_tray_icon(Window w, Icon icon, std::string_view tip) {
  WindowRec* r = rec(w);
  if (!r || !r->hwnd) return false;
  r->tray_wanted = true;
  r->tray_icon = icon;
  r->tray_tip = tip;
  return notify_tray(r, NIM_ADD);
}

void modify_tray_icon(Window w, Icon icon, std::string_view tip) {
  WindowRec* r = rec(w);
  if (!r || !r->tray_wanted) return;
  r->tray_icon = icon;
  r->tray_tip = tip;
  notify_tray(r, NIM_MODIFY);
}

void remove_tray_icon(Window w) {
  WindowRec* r = rec(w);
  if (!r || !r->tray_wanted) return;
  NOTIFYICONDATAW nid{};
  nid.cbSize = sizeof nid;
  nid.hWnd = r->hwnd;
  nid.uID = kTrayId;
  Shell_NotifyIconW(NIM_DELETE, &nid);
  r->tray_wanted = false;
}

void on_tray_event(Window w, Handler h) {
  if (WindowRec* r = rec(w)) r->tray_event = std::move(h);
}

void show_balloon(Control, Point, std::string_view, std::string_view) {}

// --- Message boxes, screen, dialogs ------------------------------------------------------

Answer message_box(std::string_view t, std::string_view title, Buttons buttons) {
  HWND owner = nullptr;
  for (auto& w : g_windows)
    if (w->hwnd && IsWindowVisible(w->hwnd)) {
      owner = w->hwnd;
      break;
    }
  const UINT type = buttons == Buttons::YesNo ? MB_YESNO : buttons == Buttons::OkCancel ? MB_OKCANCEL : MB_OK;
  const int r = MessageBoxW(owner, win32::widen(t).c_str(), win32::widen(title).c_str(),
                            type | MB_TOPMOST | MB_TASKMODAL | MB_SETFOREGROUND);
  switch (r) {
    case IDYES:
      return Answer::Yes;
    case IDNO:
      return Answer::No;
    case IDCANCEL:
      return Answer::Cancel;
    default:
      return Answer::Ok;
  }
}

ScreenInfo screen() {
  ScreenInfo s;
  s.width = GetSystemMetrics(SM_CXSCREEN);
  s.height = GetSystemMetrics(SM_CYSCREEN);
  RECT wa{0, 0, s.width, s.height};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &wa, 0);
  s.work_area = Rect{wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top};
  return s;
}

std::string open_file_dialog(Window, std::string_view, std::string_view) { return {}; }
std::string save_file_dialog(Window, std::string_view, std::string_view, std::string_view) { return {}; }

}  // namespace orvane::ui

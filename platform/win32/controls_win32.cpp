// Controls: creation from a design row, their window procedures and operations.
#include <windows.h>
// after windows.h
#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <string>

#include "core/date_time.h"
#include "platform/win32/ui_objects.h"
#include "platform/win32/wide.h"

namespace orvane::win32 {
namespace {

Font g_gui_font;

int points_to_height(int points) {
  HDC dc = GetDC(nullptr);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  // The size itself is unbounded; the text is drawn between 1 and 500 points.
  return -MulDiv(std::clamp(points, 1, 500), dpi, 72);
}

LRESULT CALLBACK edit_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  switch (msg) {
    case WM_KEYDOWN:
    case WM_CHAR:
      // In a dialog-style loop a multi-line edit box answers Esc by closing
      // its parent; nothing but the program closes a pane.
      if (wp == VK_ESCAPE) return 0;
      if (msg == WM_CHAR && wp >= 0x20) {
        ControlRec* r = record_of(hwnd);
        if (r && r->char_filter && !r->char_filter(static_cast<char32_t>(wp))) return 0;
      }
      break;
    case WM_GETDLGCODE: {
      // Esc stays with the box instead of becoming a dialog's Cancel.
      LRESULT code = DefSubclassProc(hwnd, msg, wp, lp);
      const auto* m = reinterpret_cast<const MSG*>(lp);
      if (m && (m->message == WM_KEYDOWN || m->message == WM_CHAR) && m->wParam == VK_ESCAPE)
        code |= DLGC_WANTMESSAGE;
      return code;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, edit_proc, 1);
      break;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

ui::Key key_of(WPARAM vk) {
  switch (vk) {
    case VK_LEFT:
      return ui::Key::Left;
    case VK_RIGHT:
      return ui::Key::Right;
    case VK_UP:
      return ui::Key::Up;
    case VK_DOWN:
      return ui::Key::Down;
    case VK_PRIOR:
      return ui::Key::PageUp;
    case VK_NEXT:
      return ui::Key::PageDown;
    case VK_HOME:
      return ui::Key::Home;
    case VK_END:
      return ui::Key::End;
  }
  return ui::Key::Other;
}

// A box that holds controls (a pane, a group box): their notifications go to
// the control that raised them, their colour requests to the top-level window.
bool pass_on_for_children(HWND box, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (dispatch_child_notification(msg, wp, lp, result)) return true;
  switch (msg) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      result = SendMessageW(GetAncestor(box, GA_ROOT), msg, wp, lp);
      return true;
  }
  return false;
}

// A group box that holds controls passes their messages on, as a pane does.
LRESULT CALLBACK group_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  LRESULT result = 0;
  if (pass_on_for_children(hwnd, msg, wp, lp, result)) return result;
  switch (msg) {
    case WM_ERASEBKGND: {
      // The button class leaves its inside to the parent, which a group box
      // holding controls clips away.
      RECT rc;
      GetClientRect(hwnd, &rc);
      FillRect(reinterpret_cast<HDC>(wp), &rc, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, group_proc, 1);
      break;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

// The date-time picker's format: field letters pass, every other run of
// characters is quoted so that it shows as it stands.
std::wstring picker_format(std::string_view format) {
  static constexpr std::wstring_view kFieldLetters = L"yMdHhmstg";
  std::wstring out;
  bool quoted = false;
  for (wchar_t ch : widen(format)) {
    const bool field = kFieldLetters.find(ch) != std::wstring_view::npos;
    if (field == quoted) {
      out += L'\'';
      quoted = !quoted;
    }
    if (ch == L'\'') out += L'\'';  // a quote inside a quoted run is doubled
    out += ch;
  }
  if (quoted) out += L'\'';
  return out;
}

void send_mouse(ControlRec* r, ui::Mouse what, ui::Point at, int wheel = 0) {
  if (r && r->mouse) {
    auto h = r->mouse;
    h(ui::MouseEvent{what, at, wheel});
  }
}

}  // namespace

HFONT make_font(const wchar_t* face, int points, bool bold) {
  return CreateFontW(points_to_height(points), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, face);
}

HFONT gui_font() {
  if (!g_gui_font) g_gui_font.reset(make_font(L"Tahoma", 9));
  return g_gui_font.get();
}

LRESULT CALLBACK shape_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  if (pass_on_for_children(hwnd, msg, wp, lp, result)) return result;
  switch (msg) {
    case WM_PAINT:
      paint_shape(hwnd, record_of(hwnd));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_CLOSE:
      return 0;  // a pane is hidden by the program, never destroyed by a key
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CALLBACK label_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      paint_label(hwnd, record_of(hwnd));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETTEXT: {
      const LRESULT r = DefWindowProcW(hwnd, msg, wp, lp);
      InvalidateRect(hwnd, nullptr, FALSE);
      return r;
    }
    case WM_LBUTTONDOWN:
      if (ControlRec* r = record_of(hwnd)) run(r->mouse_down);
      return 0;
    case WM_CLOSE:
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CALLBACK custom_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  ControlRec* r = record_of(hwnd);
  const ui::Point at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  switch (msg) {
    case WM_PAINT:
      paint_custom(hwnd, r);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETTEXT: {
      // The text is what a screen reader reads, not what is drawn.
      return DefWindowProcW(hwnd, msg, wp, lp);
    }
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN:
      SetFocus(hwnd);
      if (r) run(r->mouse_down);
      send_mouse(r, ui::Mouse::LeftDown, at);
      return 0;
    case WM_LBUTTONDBLCLK:
      send_mouse(r, ui::Mouse::DoubleClick, at);
      return 0;
    case WM_RBUTTONDOWN:
      send_mouse(r, ui::Mouse::RightDown, at);
      return 0;
    case WM_MOUSEWHEEL: {
      POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      ScreenToClient(hwnd, &p);
      send_mouse(r, ui::Mouse::Wheel, ui::Point{p.x, p.y}, GET_WHEEL_DELTA_WPARAM(wp) / WHEEL_DELTA);
      return 0;
    }
    case WM_KEYDOWN:
      if (r && r->key) {
        auto h = r->key;
        h(key_of(wp));
      }
      return 0;
    case WM_CLOSE:
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

HWND create_control(const ui::ControlDesign& d, HWND parent, ControlRec* rec) {
  using ui::Kind;
  const wchar_t* cls = kLabelClass;
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  DWORD ex = 0;
  switch (d.kind) {
    case Kind::Label:
    case Kind::PictureBox:
    case Kind::HtmlView:
      break;
    case Kind::Custom:
      cls = kCustomClass;
      style |= WS_TABSTOP;
      break;
    case Kind::Edit:
      cls = L"EDIT";
      style |= WS_TABSTOP | ES_AUTOHSCROLL | WS_BORDER | ((d.flags & ui::kCentred) ? ES_CENTER : ES_LEFT);
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
      style |= BS_GROUPBOX | WS_CLIPCHILDREN;
      ex = WS_EX_CONTROLPARENT;
      break;
    case Kind::DateBox:
      cls = DATETIMEPICK_CLASSW;
      style |= WS_TABSTOP | DTS_SHORTDATEFORMAT;
      break;
  }
  if (!(d.flags & ui::kHidden)) style |= WS_VISIBLE;
  const std::wstring text = d.kind == Kind::PictureButton ? std::wstring() : widen(d.text ? d.text : "");
  HWND h = CreateWindowExW(ex, cls, text.c_str(), style, d.left, d.top, d.width, d.height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(ui::kFirstControlId + d.id)),
                           instance(), nullptr);
  if (!h) return nullptr;
  rec->hwnd = h;
  SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(rec));
  SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(gui_font()), FALSE);
  if (d.kind == Kind::MultiLineEdit || d.kind == Kind::Edit) {
    SendMessageW(h, EM_SETLIMITTEXT, 0, 0);
    SetWindowSubclass(h, edit_proc, 1, 0);
  }
  if (d.kind == Kind::CheckBox && (d.flags & ui::kChecked)) SendMessageW(h, BM_SETCHECK, BST_CHECKED, 0);
  if (d.kind == Kind::GroupBox) SetWindowSubclass(h, group_proc, 1, 0);
  if (d.kind == Kind::DateBox)
    ui::set_date_value(ui::Control{rec->owner->index, rec->index}, current_date_time());
  return h;
}

}  // namespace orvane::win32

namespace orvane::ui {

using namespace win32;

void set_text(Control c, std::string_view t) {
  if (ControlRec* r = record(c)) SetWindowTextW(r->hwnd, widen(t).c_str());
}

std::string text(Control c) {
  ControlRec* r = record(c);
  return r ? window_text(r->hwnd) : std::string();
}

void set_text_scroll_to_end(Control c, std::string_view t) {
  ControlRec* r = record(c);
  if (!r) return;
  SendMessageW(r->hwnd, WM_SETREDRAW, FALSE, 0);
  SetWindowTextW(r->hwnd, widen(t).c_str());
  const LRESULT len = SendMessageW(r->hwnd, WM_GETTEXTLENGTH, 0, 0);
  SendMessageW(r->hwnd, EM_SETSEL, static_cast<WPARAM>(len), len);
  SendMessageW(r->hwnd, WM_SETREDRAW, TRUE, 0);
  SendMessageW(r->hwnd, EM_SCROLLCARET, 0, 0);
  RedrawWindow(r->hwnd, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

void set_checked(Control c, bool on) {
  if (ControlRec* r = record(c)) SendMessageW(r->hwnd, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool is_checked(Control c) {
  ControlRec* r = record(c);
  return r && SendMessageW(r->hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void set_visible(Control c, bool on) {
  if (ControlRec* r = record(c)) ShowWindow(r->hwnd, on ? SW_SHOW : SW_HIDE);
}

bool is_visible(Control c) {
  ControlRec* r = record(c);
  return r && (GetWindowLongPtrW(r->hwnd, GWL_STYLE) & WS_VISIBLE);
}

void set_rect(Control c, Rect rc) {
  if (ControlRec* r = record(c)) MoveWindow(r->hwnd, rc.left, rc.top, rc.width, rc.height, TRUE);
}

Rect rect(Control c) {
  ControlRec* r = record(c);
  if (!r) return {};
  RECT rc;
  GetWindowRect(r->hwnd, &rc);
  MapWindowPoints(HWND_DESKTOP, GetParent(r->hwnd), reinterpret_cast<POINT*>(&rc), 2);
  return Rect{rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top};
}

void set_font(Control c, std::string_view face, int points) {
  ControlRec* r = record(c);
  if (!r) return;
  Font font(make_font(widen(face).c_str(), points));
  SendMessageW(r->hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  r->font = std::move(font);  // the old font goes once the control no longer uses it
  r->font_points = points;
}

int font_size(Control c) {
  ControlRec* r = record(c);
  return r ? r->font_points : 0;
}

void set_focus(Control c) {
  if (ControlRec* r = record(c)) SetFocus(r->hwnd);
}

bool has_focus(Control c) {
  ControlRec* r = record(c);
  return r && GetFocus() == r->hwnd;
}

void repaint(Control c) {
  if (ControlRec* r = record(c))
    RedrawWindow(r->hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void set_tooltip(Control c, std::string_view t) {
  ControlRec* r = record(c);
  if (!r) return;
  WindowObject* w = r->owner;
  if (!w->tooltip)
    w->tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                 WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, w->hwnd, nullptr, instance(), nullptr);
  std::wstring wt = widen(t);
  TTTOOLINFOW ti{};
  ti.cbSize = sizeof ti;
  ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  ti.hwnd = w->hwnd;
  ti.uId = reinterpret_cast<UINT_PTR>(r->hwnd);
  ti.lpszText = wt.data();
  SendMessageW(w->tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

void set_picture(Control c, Picture p) {
  if (ControlRec* r = record(c)) {
    r->picture = p;
    InvalidateRect(r->hwnd, nullptr, TRUE);
  }
}

namespace {

// Starts the system's move loop as a press on the caption does. The press
// carries the cursor's screen position: the loop measures the move from it.
void start_caption_drag(HWND hwnd) {
  POINT at{};
  GetCursorPos(&at);
  ReleaseCapture();
  SendMessageW(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(at.x, at.y));
}

}  // namespace

void begin_drag(Control what) {
  if (ControlRec* r = record(what)) start_caption_drag(r->hwnd);
}

void begin_window_drag(Window w) {
  if (WindowObject* r = object(w)) start_caption_drag(r->hwnd);
}

void on_click(Control c, Handler h) {
  if (ControlRec* r = record(c)) r->click = std::move(h);
}

void on_mouse_down(Control c, Handler h) {
  if (ControlRec* r = record(c)) r->mouse_down = std::move(h);
}

void set_char_filter(Control c, std::function<bool(char32_t)> accept) {
  if (ControlRec* r = record(c)) r->char_filter = std::move(accept);
}

void on_paint(Control c, std::function<void(Canvas&)> paint) {
  if (ControlRec* r = record(c)) {
    r->paint = std::move(paint);
    InvalidateRect(r->hwnd, nullptr, FALSE);
  }
}

void set_background(Control c, Colour colour) {
  if (ControlRec* r = record(c)) {
    r->background = RGB(colour.r, colour.g, colour.b);
    InvalidateRect(r->hwnd, nullptr, FALSE);
  }
}

void on_mouse(Control c, std::function<void(const MouseEvent&)> h) {
  if (ControlRec* r = record(c)) r->mouse = std::move(h);
}

void on_key(Control c, std::function<void(Key)> h) {
  if (ControlRec* r = record(c)) r->key = std::move(h);
}

void set_date_format(Control c, std::string_view format) {
  ControlRec* r = record(c);
  if (!r || r->kind != Kind::DateBox) return;
  const std::wstring f = picker_format(format);
  if (!SendMessageW(r->hwnd, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(f.c_str())))
    log_failure("DTM_SETFORMAT " + r->name);
}

void set_date_value(Control c, double date_time) {
  ControlRec* r = record(c);
  if (!r || r->kind != Kind::DateBox) return;
  const CivilTime t = to_civil(date_time);
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(t.year);
  st.wMonth = static_cast<WORD>(t.month);
  st.wDay = static_cast<WORD>(t.day);
  st.wHour = static_cast<WORD>(t.hour);
  st.wMinute = static_cast<WORD>(t.minute);
  st.wSecond = static_cast<WORD>(t.second);
  // The picker works out the weekday itself; a moment it cannot hold (before
  // 1601) leaves the old value.
  if (!SendMessageW(r->hwnd, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st)))
    log_failure("DTM_SETSYSTEMTIME " + r->name);
}

double date_value(Control c) {
  ControlRec* r = record(c);
  if (!r || r->kind != Kind::DateBox) return 0;
  SYSTEMTIME st{};
  if (SendMessageW(r->hwnd, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) != GDT_VALID) return 0;
  return to_date_time(CivilTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond});
}

}  // namespace orvane::ui

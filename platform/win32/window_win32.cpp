// Top-level windows: the window class, loading a design, dispatch, the event loop.
#include <windows.h>
// after windows.h
#include <commctrl.h>
#include <shellapi.h>

#include <cassert>
#include <string>

#include "platform/win32/ui_objects.h"
#include "platform/win32/wide.h"

namespace orvane::win32 {
namespace {

std::vector<std::unique_ptr<WindowObject>> g_windows;

LRESULT CALLBACK window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* w = static_cast<WindowObject*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    w->hwnd = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(w));
  }
  if (auto* w = reinterpret_cast<WindowObject*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)))
    return w->handle(msg, wp, lp);
  return DefWindowProcW(hwnd, msg, wp, lp);
}

// A design fault is the program's own error: it must show at load, never as a
// click that silently does nothing.
[[noreturn]] void design_failure(const std::string& what) {
  MessageBoxW(nullptr, widen("程序界面无法加载（" + what + "），程序将退出。").c_str(), L"Orvane",
              MB_OK | MB_ICONERROR | MB_TOPMOST);
  assert(false && "window design fault");
  ExitProcess(1);
}

}  // namespace

HINSTANCE instance() { return GetModuleHandleW(nullptr); }

void log_failure(std::string_view what) {
  const std::wstring line =
      widen("Orvane: " + std::string(what) + " failed, error " + std::to_string(GetLastError()) + "\n");
  OutputDebugStringW(line.c_str());
}

void run(const ui::Handler& h) {
  if (h) {
    ui::Handler copy = h;
    copy();
  }
}

WindowObject* object(ui::Window w) {
  if (w.id < 0 || w.id >= static_cast<int>(g_windows.size())) return nullptr;
  WindowObject* o = g_windows[static_cast<std::size_t>(w.id)].get();
  return o->hwnd ? o : nullptr;
}

ControlRec* record(ui::Control c) {
  WindowObject* w = object(ui::Window{c.window});
  if (!w || c.id < 0 || c.id >= static_cast<int>(w->controls.size())) return nullptr;
  ControlRec* r = w->controls[static_cast<std::size_t>(c.id)].get();
  return r->hwnd ? r : nullptr;
}

TimerRec* record(ui::Timer t) {
  WindowObject* w = object(ui::Window{t.window});
  if (!w || t.id < 0 || t.id >= static_cast<int>(w->timers.size())) return nullptr;
  return &w->timers[static_cast<std::size_t>(t.id)];
}

MenuRec* record(ui::Menu m) {
  WindowObject* w = object(ui::Window{m.window});
  if (!w || m.id < 0 || m.id >= static_cast<int>(w->menus.size())) return nullptr;
  return &w->menus[static_cast<std::size_t>(m.id)];
}

ControlRec* record_of(HWND control_hwnd) {
  if (!control_hwnd || !GetParent(control_hwnd)) return nullptr;
  return reinterpret_cast<ControlRec*>(GetWindowLongPtrW(control_hwnd, GWLP_USERDATA));
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
  if (!RegisterClassExW(&wc)) design_failure("window class");
  wc.hIcon = nullptr;
  wc.lpfnWndProc = shape_proc;
  wc.lpszClassName = kShapeClass;
  if (!RegisterClassExW(&wc)) design_failure("shape class");
  wc.lpfnWndProc = label_proc;
  wc.lpszClassName = kLabelClass;
  if (!RegisterClassExW(&wc)) design_failure("label class");
  wc.style = CS_DBLCLKS;
  wc.hbrBackground = nullptr;  // painted whole, double-buffered
  wc.lpfnWndProc = custom_proc;
  wc.lpszClassName = kCustomClass;
  if (!RegisterClassExW(&wc)) design_failure("custom class");
}

bool dispatch_child_notification(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_COMMAND: {
      ControlRec* r = record_of(reinterpret_cast<HWND>(lp));
      if (!r) return false;
      if (HIWORD(wp) == BN_CLICKED && (r->kind == ui::Kind::Button || r->kind == ui::Kind::CheckBox ||
                                       r->kind == ui::Kind::PictureButton))
        run(r->click);
      result = 0;
      return true;
    }
    case WM_NOTIFY: {
      const auto* nm = reinterpret_cast<const NMHDR*>(lp);
      if (!record_of(nm->hwndFrom)) return false;
      result = 0;
      return true;
    }
    case WM_DRAWITEM: {
      const auto* di = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      ControlRec* r = record_of(di->hwndItem);
      if (!r) return false;
      draw_picture(di, r);
      result = TRUE;
      return true;
    }
  }
  return false;
}

LRESULT WindowObject::handle(UINT msg, WPARAM wp, LPARAM lp) {
  const HWND self = hwnd;
  if (msg == taskbar_created_message() && msg != 0) {
    if (tray_wanted) notify_tray(this, NIM_ADD);
    return 0;
  }
  LRESULT result = 0;
  if (dispatch_child_notification(msg, wp, lp, result)) return result;
  switch (msg) {
    case WM_COMMAND:
      // A menu command; IDOK and IDCANCEL from the dialog keys are no commands.
      if (lp == 0 && HIWORD(wp) == 0) {
        auto it = commands.find(LOWORD(wp));
        if (it != commands.end()) run(it->second);
      }
      return 0;
    case WM_TIMER:
      on_timer(this, wp);
      return 0;
    case kTrayMessage:
      on_tray_message(this, lp);
      return 0;
    case WM_TIMECHANGE:
      run(clock_change);
      return 0;
    case WM_POWERBROADCAST:
      if (wp == PBT_APMRESUMEAUTOMATIC || wp == PBT_APMRESUMESUSPEND) run(clock_change);
      return TRUE;
    case WM_ERASEBKGND:
      if (background) {
        RECT rc;
        GetClientRect(hwnd, &rc);
        FillRect(reinterpret_cast<HDC>(wp), &rc, background.get());
        return 1;
      }
      break;
    case WM_CLOSE:
      return 0;  // the program ends through its own menu
    case WM_CTLCOLORSTATIC:
      SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      hwnd = nullptr;
      break;
  }
  return DefWindowProcW(self, msg, wp, lp);
}

bool pump_messages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

}  // namespace orvane::win32

namespace orvane::ui {

using namespace win32;

Window load_window(const WindowDesign& design, Window owner) {
  if (std::string fault = design_fault(design); !fault.empty()) design_failure(fault);
  register_classes();
  auto w = std::make_unique<WindowObject>();
  WindowObject* obj = w.get();
  obj->index = static_cast<int>(g_windows.size());
  obj->name = design.name;
  g_windows.push_back(std::move(w));
  const Window handle{obj->index};

  DWORD ex = 0;
  if (design.flags & kToolWindow) ex |= WS_EX_TOOLWINDOW;
  if (design.flags & kTopmost) ex |= WS_EX_TOPMOST;
  if (design.flags & kLayered) ex |= WS_EX_LAYERED;
  WindowObject* owner_obj = object(owner);
  const std::wstring caption_text = widen(design.caption ? design.caption : "");
  CreateWindowExW(ex, kWindowClass, caption_text.c_str(),
                  WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, design.width, design.height,
                  owner_obj ? owner_obj->hwnd : nullptr, nullptr, instance(), obj);
  if (!obj->hwnd)
    design_failure(std::string(design.name) + ": CreateWindowEx " + std::to_string(GetLastError()));
  if (design.flags & kLayered) SetLayeredWindowAttributes(obj->hwnd, 0, 255, LWA_ALPHA);

  for (const ControlDesign& d : design.controls) {
    auto c = std::make_unique<ControlRec>();
    c->index = d.id;
    c->name = d.name;
    c->kind = d.kind;
    c->flags = d.flags;
    c->owner = obj;
    HWND parent =
        d.container == kNoContainer ? obj->hwnd : obj->controls[static_cast<std::size_t>(d.container)]->hwnd;
    ControlRec* rec = c.get();
    obj->controls.push_back(std::move(c));
    if (!create_control(d, parent, rec))
      design_failure(std::string(design.name) + "/" + d.name + ": CreateWindowEx " +
                     std::to_string(GetLastError()));
  }
  // Later rows of the design lie above earlier ones.
  for (auto& c : obj->controls)
    SetWindowPos(c->hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  for (const TimerDesign& t : design.timers) obj->timers.push_back(TimerRec{t.name, 0, {}});
  for (const MenuDesign& m : design.menus) obj->menus.push_back(MenuRec{menu_items(m)});
  // A timer runs from the start with its designed period.
  for (const TimerDesign& t : design.timers)
    if (t.period > 0) set_period(Timer{handle.id, t.id}, t.period);
  for (const ControlDesign& d : design.controls)
    if (d.kind == Kind::PictureButton && d.text && *d.text) set_tooltip(Control{handle.id, d.id}, d.text);
  return handle;
}

void destroy_window(Window w) {
  WindowObject* r = object(w);
  if (!r) return;
  remove_tray_icon(w);
  kill_timers(r);
  for (auto& c : r->controls) c->hwnd = nullptr;
  DestroyWindow(r->hwnd);
  r->hwnd = nullptr;
}

bool window_exists(Window w) { return object(w) != nullptr; }

bool is_window_visible(Window w) {
  WindowObject* r = object(w);
  return r && IsWindowVisible(r->hwnd);
}

void show_window(Window w, bool visible) {
  if (WindowObject* r = object(w)) ShowWindow(r->hwnd, visible ? SW_SHOW : SW_HIDE);
}

void minimise_window(Window w) {
  if (WindowObject* r = object(w)) ShowWindow(r->hwnd, SW_MINIMIZE);
}

bool is_minimised(Window w) {
  WindowObject* r = object(w);
  return r && IsIconic(r->hwnd);
}

void bring_to_front(Window w) {
  if (WindowObject* r = object(w)) SwitchToThisWindow(r->hwnd, TRUE);
}

void set_window_rect(Window w, Rect rc) {
  if (WindowObject* r = object(w)) MoveWindow(r->hwnd, rc.left, rc.top, rc.width, rc.height, TRUE);
}

Rect window_rect(Window w) {
  RECT rc{};
  if (WindowObject* r = object(w)) GetWindowRect(r->hwnd, &rc);
  return Rect{rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top};
}

void set_caption(Window w, std::string_view text) {
  if (WindowObject* r = object(w)) SetWindowTextW(r->hwnd, widen(text).c_str());
}

std::string caption(Window w) {
  WindowObject* r = object(w);
  return r ? window_text(r->hwnd) : std::string();
}

void set_topmost(Window w, bool on) {
  if (WindowObject* r = object(w))
    SetWindowPos(r->hwnd, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void set_opacity(Window w, int alpha) {
  if (WindowObject* r = object(w)) {
    SetWindowLongPtrW(r->hwnd, GWL_EXSTYLE, GetWindowLongPtrW(r->hwnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(r->hwnd, 0,
                               static_cast<BYTE>(alpha < 0     ? 0
                                                 : alpha > 255 ? 255
                                                               : alpha),
                               LWA_ALPHA);
  }
}

bool find_top_level_window(std::string_view caption_text) {
  return FindWindowW(nullptr, widen(caption_text).c_str()) != nullptr;
}

void set_background(Window w, Colour c) {
  if (WindowObject* r = object(w)) {
    r->background.reset(CreateSolidBrush(RGB(c.r, c.g, c.b)));
    InvalidateRect(r->hwnd, nullptr, TRUE);
  }
}

void on_clock_change(Window w, Handler h) {
  if (WindowObject* r = object(w)) r->clock_change = std::move(h);
}

void process_pending_events() { pump_messages(); }

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

}  // namespace orvane::ui

// The Win32 backend's objects: a window owns its HWND, its controls, timers,
// menus and tray icon; its window procedure reaches it through GWLP_USERDATA,
// and each control's window carries its record the same way, so that a
// notification goes to the control that raised it.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/menu_items.h"
#include "platform/ui.h"
#include "platform/win32/handles.h"

namespace orvane::win32 {

struct ControlRec {
  int index = 0;
  std::string name;
  ui::Kind kind = ui::Kind::Label;
  unsigned flags = 0;
  HWND hwnd = nullptr;
  struct WindowObject* owner = nullptr;
  Font font;
  int font_points = 9;
  ui::Picture picture = ui::Picture::None;
  ui::Handler click, mouse_down;
  std::function<bool(char32_t)> char_filter;
  std::function<void(ui::Canvas&)> paint;
  std::function<void(const ui::MouseEvent&)> mouse;
  std::function<void(ui::Key)> key;
  std::optional<COLORREF> background;
};

struct TimerRec {
  std::string name;
  int period = 0;
  ui::Handler tick;
};

struct MenuRec {
  ui::MenuItems items;
};

struct WindowObject {
  int index = 0;
  std::string name;
  HWND hwnd = nullptr;
  HWND tooltip = nullptr;
  std::vector<std::unique_ptr<ControlRec>> controls;
  std::vector<TimerRec> timers;
  std::vector<MenuRec> menus;
  std::map<int, ui::Handler> commands;
  ui::Handler tray_event, clock_change;
  std::function<void(ui::TrayAction)> tray_action;
  Brush background;  // none: the system's face colour
  // From add_tray_icon until remove_tray_icon, also while the taskbar is
  // away; the icon and tip shown last, to add it again.
  bool tray_wanted = false;
  ui::Icon tray_icon = ui::Icon::Program;
  std::string tray_tip;
  Icon blank_icon;

  LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);
};

// --- Lookup (nullptr for a handle of no living window) ------------------------
WindowObject* object(ui::Window w);
ControlRec* record(ui::Control c);  // nullptr also when the control has no window
TimerRec* record(ui::Timer t);
MenuRec* record(ui::Menu m);
ControlRec* record_of(HWND control_hwnd);

HINSTANCE instance();
// A failed system call that the program goes on without; for a debugger or
// WINEDEBUG=+debugstr.
void log_failure(std::string_view what);
// Runs a handler through a copy: it may replace itself.
void run(const ui::Handler& h);

// --- Window classes and dispatch (window_win32.cpp) ------------------------------
inline constexpr wchar_t kWindowClass[] = L"OrvaneWindow";
inline constexpr wchar_t kShapeClass[] = L"OrvaneShape";
inline constexpr wchar_t kLabelClass[] = L"OrvaneLabel";
inline constexpr wchar_t kCustomClass[] = L"OrvaneCustom";
inline constexpr UINT kTrayMessage = WM_APP + 1;
void register_classes();
// Notifications of child controls, in the top-level window or in a pane;
// true when handled, with the result.
bool dispatch_child_notification(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
// Lets queued messages run; false when WM_QUIT was among them (it is posted
// again for the event loop).
bool pump_messages();

// --- Controls (controls_win32.cpp) ----------------------------------------------
HWND create_control(const ui::ControlDesign& d, HWND parent, ControlRec* rec);
LRESULT CALLBACK shape_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK label_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK custom_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
HFONT gui_font();
HFONT make_font(const wchar_t* face, int points, bool bold = false);

// --- Painting (paint_win32.cpp) ---------------------------------------------------
void paint_label(HWND hwnd, const ControlRec* r);
void paint_shape(HWND hwnd, const ControlRec* r);
void draw_picture(const DRAWITEMSTRUCT* di, const ControlRec* r);
// Plays the control's drawing on a memory bitmap, then copies it in one step.
void paint_custom(HWND hwnd, ControlRec* r);

// --- Timers, tray icons -----------------------------------------------------------
void kill_timers(WindowObject* w);
void on_timer(WindowObject* w, WPARAM id);
bool notify_tray(WindowObject* w, DWORD action);
void on_tray_message(WindowObject* w, LPARAM lp);
UINT taskbar_created_message();

}  // namespace orvane::win32

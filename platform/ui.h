// Windows, controls, timers, menus, tray icons and message boxes.
//
// Windows are loaded from designs held as data. Each design numbers its
// controls, timers, menus and menu commands with enums of its own; a handle is
// the window and that number, so a control that the design does not have
// cannot be named. The design is checked once at load. Texts are UTF-8. The
// product backend is platform/win32, the test backend platform/memory; the
// program links exactly one of them.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::ui {

enum class Kind {
  Label,
  Edit,           // one line
  MultiLineEdit,  // vertical scroll bar
  CheckBox,
  Button,
  PictureButton,  // drawn picture (set_picture); its text is the tooltip
  PictureBox,
  ShapeBox,  // framed panel that clips its children
  GroupBox,
  DateBox,
  HtmlView,
  Custom,  // drawn by the program (on_paint) and fed with mouse and keys
};

// Control design flags.
enum : unsigned {
  kHidden = 1u << 0,
  kCentred = 1u << 1,    // text centred
  kChecked = 1u << 2,    // check box ticked
  kFrameWide = 1u << 3,  // shape box with a 2-pixel frame
  kRaised = 1u << 4,     // label drawn as a strip (title bars, frame edges)
};

inline constexpr int kNoContainer = -1;

struct ControlDesign {
  int id;  // the row's number in the window's control enum
  const char* name;
  Kind kind;
  int container;  // id of the holding shape box or group box, or kNoContainer
  int left, top, width, height;
  const char* text;
  unsigned flags;
};

struct TimerDesign {
  int id;
  const char* name;
  int period;  // ms at load; 0: stopped
};

// Pop-up menus: items in order; a submenu's items follow it with level + 1.
// Every item that can be chosen carries a command number of the window.
enum : unsigned { kSeparator = 1u << 0, kItemHidden = 1u << 1, kItemChecked = 1u << 2 };

struct MenuItemDesign {
  int level;
  int command;  // 0 for separators and submenu heads
  const char* text;
  unsigned flags;
};

struct MenuDesign {
  int id;
  const char* name;
  std::span<const MenuItemDesign> items;
};

// Window design flags.
enum : unsigned {
  kToolWindow = 1u << 0,  // no taskbar button
  kTopmost = 1u << 1,
  kLayered = 1u << 2,
};

struct WindowDesign {
  const char* name;
  const char* caption;
  int width, height;
  unsigned flags;
  std::span<const ControlDesign> controls;
  std::span<const TimerDesign> timers;
  std::span<const MenuDesign> menus;
};

// Window control ids, timer ids and menu command ids as the system sees them
// (WM_COMMAND, WM_TIMER, GetDlgCtrlID): fixed by the design, not by load order.
inline constexpr int kFirstControlId = 1000;
inline constexpr int kFirstCommand = 100;  // command numbers start here (1 and 2 are OK and Cancel)

// The design's own consistency: rows numbered in order, containers that are
// earlier shape boxes, commands unique and from kFirstCommand. Empty when
// sound, else what is wrong.
std::string design_fault(const WindowDesign& design);

struct Window {
  int id = -1;
  bool operator==(const Window&) const = default;
  explicit operator bool() const { return id >= 0; }
};
struct Control {
  int window = -1, id = -1;
  bool operator==(const Control&) const = default;
};
struct Timer {
  int window = -1, id = -1;
  bool operator==(const Timer&) const = default;
};
struct Menu {
  int window = -1, id = -1;
  bool operator==(const Menu&) const = default;
};

template <typename E>
Control control(Window w, E id) {
  return Control{w.id, static_cast<int>(id)};
}
template <typename E>
Timer timer(Window w, E id) {
  return Timer{w.id, static_cast<int>(id)};
}
template <typename E>
Menu menu(Window w, E id) {
  return Menu{w.id, static_cast<int>(id)};
}

struct Point {
  int x = 0, y = 0;
  bool operator==(const Point&) const = default;
};
struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const Rect&) const = default;
  bool contains(Point p) const {
    return p.x >= left && p.y >= top && p.x < left + width && p.y < top + height;
  }
};

using Handler = std::function<void()>;

// --- Windows -----------------------------------------------------------
// Created hidden. A window with an owner stays above it and goes with it. A
// design fault ends the program with a message naming it (an assertion in
// tests).
Window load_window(const WindowDesign& design, Window owner = {});
void destroy_window(Window w);
bool window_exists(Window w);
bool is_window_visible(Window w);
void show_window(Window w, bool visible);
void minimise_window(Window w);
bool is_minimised(Window w);
void bring_to_front(Window w);  // restores a minimised window too
void set_window_rect(Window w, Rect r);
Rect window_rect(Window w);
void set_caption(Window w, std::string_view text);
std::string caption(Window w);
void set_topmost(Window w, bool on);
void set_opacity(Window w, int alpha);  // 0..255, layered window
bool find_top_level_window(std::string_view caption);
// After the computer wakes from sleep and when the system clock or time zone
// changes.
void on_clock_change(Window w, Handler h);
// Lets queued window events run.
void process_pending_events();
// Runs the event loop until quit(); returns the exit code.
int run_event_loop();
void quit(int exit_code);

// --- Controls ------------------------------------------------------------
void set_text(Control c, std::string_view text);
std::string text(Control c);
// Replaces the whole text of an edit box in one layout: drawing is off while
// the text changes, then the caret goes to the end and the end is scrolled
// into view.
void set_text_scroll_to_end(Control c, std::string_view text);
void set_checked(Control c, bool on);
bool is_checked(Control c);
void set_visible(Control c, bool on);
bool is_visible(Control c);
void set_rect(Control c, Rect r);  // relative to the container
Rect rect(Control c);
void set_font(Control c, std::string_view face, int points);
int font_size(Control c);
void set_focus(Control c);
bool has_focus(Control c);
void repaint(Control c);
void set_tooltip(Control c, std::string_view text);
enum class Picture { None, More, Minimise, Close };
void set_picture(Control c, Picture p);  // the drawing of a picture button
// A left press on the control starts the system's move of its window (for
// the window's title label) or of the control itself (for a pane).
void begin_drag(Control what);
void begin_window_drag(Window w);

// Events of a control.
void on_click(Control c, Handler h);       // buttons, check boxes (after the check changed)
void on_mouse_down(Control c, Handler h);  // left button pressed (labels, picture boxes)
// Keyboard filter of an edit box: typed characters for which it returns
// false are dropped; control characters always pass.
void set_char_filter(Control c, std::function<bool(char32_t)> accept);

// --- Controls drawn by the program (Kind::Custom) ----------------------------
// The drawing is a list of steps; the product plays it on a double-buffered
// GDI surface, tests read it.
struct Colour {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Colour&) const = default;
};
enum class Align { Left, Centre, Right };
struct DrawStep {
  enum class Op { Fill, Frame, Line, Text } op;
  Rect rect;  // Line: from (left, top) to (left + width, top + height)
  Colour colour;
  std::string text;
  int points = 9;
  bool bold = false;
  Align align = Align::Left;
  bool operator==(const DrawStep&) const = default;
};
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height) {}
  int width() const { return width_; }
  int height() const { return height_; }
  void fill(Rect r, Colour c) { steps_.push_back({DrawStep::Op::Fill, r, c, {}}); }
  void frame(Rect r, Colour c) { steps_.push_back({DrawStep::Op::Frame, r, c, {}}); }
  void line(Point a, Point b, Colour c) {
    steps_.push_back({DrawStep::Op::Line, Rect{a.x, a.y, b.x - a.x, b.y - a.y}, c, {}});
  }
  // One line of text centred vertically in r.
  void text(Rect r, std::string_view t, Colour c, int points, bool bold = false, Align align = Align::Left) {
    steps_.push_back({DrawStep::Op::Text, r, c, std::string(t), points, bold, align});
  }
  const std::vector<DrawStep>& steps() const { return steps_; }

 private:
  int width_, height_;
  std::vector<DrawStep> steps_;
};
void on_paint(Control c, std::function<void(Canvas&)> paint);

// Background colours of a window and of a label; a coloured label draws its
// text in white.
void set_background(Window w, Colour c);
void set_background(Control label, Colour c);

enum class Mouse { LeftDown, RightDown, DoubleClick, Wheel };
struct MouseEvent {
  Mouse what;
  Point at;       // in the control
  int wheel = 0;  // notches, away from the user positive
};
void on_mouse(Control c, std::function<void(const MouseEvent&)> h);
enum class Key { Left, Right, Up, Down, PageUp, PageDown, Home, End, Other };
void on_key(Control c, std::function<void(Key)> h);

// Date boxes hold a date-time value (days since 1899-12-30, whole seconds)
// that the user edits field by field. The format uses yyyy, MM, dd, HH, mm
// and ss for the fields; every other character is shown as it stands.
void set_date_format(Control date_box, std::string_view format);
void set_date_value(Control date_box, double date_time);
double date_value(Control date_box);
// The HTML view shows a local file; its pages run with the rights of
// Internet pages. A link that opens a new window is not followed there: its
// address goes to the handler.
void navigate(Control html_view, std::string_view file_path);
void on_new_window(Control html_view, std::function<void(std::string_view url)> h);

// --- Timers ---------------------------------------------------------------
// A period of 0 stops the timer; a period above 0 starts or restarts it.
void set_period(Timer t, int ms);
int period(Timer t);
void on_tick(Timer t, Handler h);

// --- Menus -------------------------------------------------------------------
// Items are known by their command numbers; texts are only shown.
void on_command(Window w, int command, Handler h);
template <typename E>
void on_command(Window w, E command, Handler h) {
  on_command(w, static_cast<int>(command), std::move(h));
}
void set_menu_checked(Menu m, int command, bool on);
bool is_menu_checked(Menu m, int command);
void show_menu_item(Menu m, int command, bool visible);
// The item and the separator that follows it, shown or hidden together.
void show_menu_item_with_separator(Menu m, int command, bool visible);
void set_menu_text(Menu m, int command, std::string_view text);
template <typename E>
void show_menu_item_with_separator(Menu m, E command, bool visible) {
  show_menu_item_with_separator(m, static_cast<int>(command), visible);
}
template <typename E>
void set_menu_text(Menu m, E command, std::string_view text) {
  set_menu_text(m, static_cast<int>(command), text);
}
template <typename E>
void set_menu_checked(Menu m, E command, bool on) {
  set_menu_checked(m, static_cast<int>(command), on);
}
template <typename E>
bool is_menu_checked(Menu m, E command) {
  return is_menu_checked(m, static_cast<int>(command));
}
template <typename E>
void show_menu_item(Menu m, E command, bool visible) {
  show_menu_item(m, static_cast<int>(command), visible);
}
// Pops the menu up at a screen point; the chosen item's handler runs.
void pop_up_menu(Menu m, Point at);
Point cursor_position();

// --- Tray icons ----------------------------------------------------------------
// One icon a window.
enum class Icon { Program, SearchBox, Blank };
bool add_tray_icon(Window w, Icon icon, std::string_view tip);
void modify_tray_icon(Window w, Icon icon, std::string_view tip);
void remove_tray_icon(Window w);
void on_tray_event(Window w, Handler h);
// For a window that tells the left click from the other actions.
enum class TrayAction { LeftUp, LeftDoubleClick, RightUp, ContextMenu };
void on_tray_action(Window w, std::function<void(TrayAction)> h);
// A balloon tip of the window at a screen point, no icon and no title; it
// goes when clicked or when the next one comes.
void show_balloon(Window w, Point at, std::string_view text);

// --- Message boxes ---------------------------------------------------------
// Top-most, modal to the program, owned by the window that raises it, no icon.
enum class Buttons { Ok, YesNo, OkCancel, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };
Answer message_box(Window owner, std::string_view text, std::string_view title,
                   Buttons buttons = Buttons::Ok);

// --- Screen ------------------------------------------------------------------
struct ScreenInfo {
  int width = 0, height = 0;
  Rect work_area;
};
ScreenInfo screen();

// --- Common file dialogs (backup and restore) -------------------------------------
struct FileDialog {
  std::string filter;  // shown name and pattern pairs joined by "|": "配置|*.txt"
  std::string initial_folder;
  std::string file_name;          // the file name field at opening
  std::string default_extension;  // added by the save dialog to a name typed without one
};
// The system's dialogs with their default titles; the chosen path, empty when
// the user cancels. The open dialog accepts only an existing file; the save
// dialog needs an existing folder and asks before it overwrites a file.
std::string open_file_dialog(Window owner, const FileDialog& dialog);
std::string save_file_dialog(Window owner, const FileDialog& dialog);

}  // namespace orvane::ui

// Windows, controls, timers, menus, tray icons and message boxes.
//
// Windows are loaded from designs held as data; controls are then known by
// their design names. Texts are UTF-8. The product backend is platform/win32,
// the test backend platform/memory; the program links exactly one of them.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

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
  MonthCalendar,
  Timer,  // not visible; its period (ms) is the design's width
};

// Design flags.
enum : unsigned {
  kHidden = 1u << 0,
  kCentred = 1u << 1,    // text centred
  kChecked = 1u << 2,    // check box ticked
  kFrameWide = 1u << 3,  // shape box with a 2-pixel frame
  kRaised = 1u << 4,     // label drawn as a strip (title bars, frame edges)
};

struct ControlDesign {
  const char* name;
  Kind kind;
  const char* container;  // design name of the holding shape box; "" for the window
  int left, top, width, height;
  const char* text;
  unsigned flags;
};

struct WindowDesign {
  const char* name;
  const char* caption;
  int width, height;
  std::span<const ControlDesign> controls;
};

// Pop-up menus: items in order; a submenu's items follow it with level + 1.
enum : unsigned { kSeparator = 1u << 0, kItemHidden = 1u << 1, kItemChecked = 1u << 2 };

struct MenuItemDesign {
  int level;
  const char* text;
  unsigned flags;
};

struct MenuDesign {
  const char* name;
  std::span<const MenuItemDesign> items;
};

struct Window {
  int id = -1;
  bool operator==(const Window&) const = default;
};
struct Control {
  int id = -1;
  bool operator==(const Control&) const = default;
};
struct Menu {
  int id = -1;
};
struct Point {
  int x = 0, y = 0;
};
struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
};

using Handler = std::function<void()>;

// --- Windows -----------------------------------------------------------
Window load_window(const WindowDesign& design);  // created hidden
void destroy_window(Window w);
Control control(Window w, std::string_view name);  // the design's control of that name
bool is_window_visible(Window w);
void show_window(Window w, bool visible);
void minimise_window(Window w);
void bring_to_front(Window w);  // restores a minimised window too
void set_window_rect(Window w, Rect r);
Rect window_rect(Window w);
void set_caption(Window w, std::string_view text);
std::string caption(Window w);
void set_topmost(Window w, bool on);
void set_opacity(Window w, int alpha);  // 0..255, layered window
bool find_top_level_window(std::string_view caption);
// Lets queued window events run.
void process_pending_events();
// Runs the event loop until quit(); returns the exit code.
int run_event_loop();
void quit(int exit_code);

// --- Controls ------------------------------------------------------------
void set_text(Control c, std::string_view text);
std::string text(Control c);
// Replaces the whole text of an edit box in one step, then puts the caret at
// its end and scrolls it into view.
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

// Date boxes, the HTML view and the month calendar (used by the calendar
// tools and the information windows, which bring their implementations).
void set_date_format(Control date_box, std::string_view format);
void set_date_value(Control date_box_or_calendar, double date_time);
double date_value(Control date_box_or_calendar);
void navigate(Control html_view, std::string_view file_path);

// --- Timers (controls of kind Timer) -------------------------------------
// A period of 0 stops the timer; a period above 0 starts or restarts it.
void set_period(Control timer, int ms);
int period(Control timer);
void on_tick(Control timer, Handler h);

// --- Menus -------------------------------------------------------------------
Menu load_menu(Window owner, const MenuDesign& design);
void on_menu_item(Menu m, std::string_view item_text, Handler h);
void set_menu_checked(Menu m, std::string_view item_text, bool on);
bool is_menu_checked(Menu m, std::string_view item_text);
void show_menu_item(Menu m, std::string_view item_text, bool visible);
// Pops the menu up at a screen point; the chosen item's handler runs.
void pop_up_menu(Menu m, Point at);
Point cursor_position();

// --- Tray icons ----------------------------------------------------------------
enum class Icon { Program, Blank };
bool add_tray_icon(Window w, Icon icon, std::string_view tip);
void modify_tray_icon(Window w, Icon icon, std::string_view tip);
void remove_tray_icon(Window w);
void on_tray_event(Window w, Handler h);
void show_balloon(Control tip_host, Point at, std::string_view title, std::string_view text);

// --- Message boxes ---------------------------------------------------------
// Top-most, modal to the program, no icon unless asked.
enum class Buttons { Ok, YesNo, OkCancel };
enum class Answer { Ok, Cancel, Yes, No };
Answer message_box(std::string_view text, std::string_view title, Buttons buttons = Buttons::Ok);

// --- Screen ------------------------------------------------------------------
struct ScreenInfo {
  int width = 0, height = 0;
  Rect work_area;
};
ScreenInfo screen();

// --- File dialogs (backup and restore) -------------------------------------------
// Empty when the user cancels.
std::string open_file_dialog(Window owner, std::string_view title, std::string_view filter);
std::string save_file_dialog(Window owner, std::string_view title, std::string_view filter,
                             std::string_view default_name);

}  // namespace orvane::ui

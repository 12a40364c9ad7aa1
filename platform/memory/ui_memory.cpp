// Windows and controls kept in memory, for tests.
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "core/date_time.h"
#include "platform/memory/memory_backend.h"
#include "platform/memory/memory_state.h"
#include "platform/menu_items.h"
#include "platform/ui.h"

namespace orvane {
namespace {

struct ControlRec {
  std::string name;
  ui::Kind kind;
  std::string text;
  bool checked = false;
  bool visible = true;
  ui::Rect rect;
  std::string font_face = "Tahoma";
  int font_points = 9;
  int text_sets = 0;
  bool at_end = false;
  std::string tooltip;
  ui::Picture picture = ui::Picture::None;
  ui::Handler click, mouse_down;
  std::function<bool(char32_t)> filter;
  std::function<void(ui::Canvas&)> paint;
  std::function<void(const ui::MouseEvent&)> mouse;
  std::function<void(ui::Key)> key;
  double date = 0;
  std::string date_format;
  std::optional<ui::Colour> background;
  std::string shown_file;
  std::function<void(std::string_view)> new_window;
};

struct TimerRec {
  int period = 0;
  ui::Handler tick;
};

struct WindowRec {
  std::string name, caption;
  int owner = -1;
  ui::Rect rect;
  bool visible = false, minimised = false, topmost = false, destroyed = false;
  int opacity = 255;
  int fronts = 0;
  std::vector<ControlRec> controls;
  std::vector<TimerRec> timers;
  std::vector<ui::MenuItems> menus;
  std::map<int, ui::Handler> commands;
  memory::TrayIcon tray;
  ui::Handler tray_event, clock_change;
  std::function<void(ui::TrayAction)> tray_action;
  std::optional<ui::Colour> background;
};

struct State {
  std::vector<WindowRec> windows;
  std::vector<memory::Message> messages;
  std::vector<ui::Window> message_owners;
  std::vector<memory::Balloon> balloons;
  std::deque<ui::Answer> answers;
  std::optional<int> exit_code;
  std::optional<ui::Menu> popped_up;
  ui::Point cursor;
  ui::Control focus;
  std::string last_drag;
  ui::ScreenInfo screen{1024, 768, {0, 0, 1024, 738}};
};

State& st() {
  static State s;
  return s;
}

// A handle that names nothing is a fault of the program: in tests it fails
// loudly, whatever the build type.
void require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "in-memory backend: %s\n", what);
  std::abort();
}

WindowRec* rec(ui::Window w) {
  auto& v = st().windows;
  if (w.id < 0 || w.id >= static_cast<int>(v.size())) return nullptr;
  WindowRec* r = &v[static_cast<std::size_t>(w.id)];
  return r->destroyed ? nullptr : r;
}
ControlRec* rec(ui::Control c) {
  WindowRec* w = rec(ui::Window{c.window});
  if (!w) return nullptr;
  require(c.id >= 0 && c.id < static_cast<int>(w->controls.size()), "no such control");
  return &w->controls[static_cast<std::size_t>(c.id)];
}
TimerRec* rec(ui::Timer t) {
  WindowRec* w = rec(ui::Window{t.window});
  if (!w) return nullptr;
  require(t.id >= 0 && t.id < static_cast<int>(w->timers.size()), "no such timer");
  return &w->timers[static_cast<std::size_t>(t.id)];
}
ui::MenuItems* rec(ui::Menu m) {
  WindowRec* w = rec(ui::Window{m.window});
  if (!w) return nullptr;
  require(m.id >= 0 && m.id < static_cast<int>(w->menus.size()), "no such menu");
  return &w->menus[static_cast<std::size_t>(m.id)];
}
ui::MenuItemState* item(ui::Menu m, int command) {
  auto* items = rec(m);
  if (!items) return nullptr;
  ui::MenuItemState* it = ui::find_menu_item(*items, command);
  require(it != nullptr, "no menu item with that command");
  return it;
}

void run(const ui::Handler& h) {
  if (h) {
    ui::Handler copy = h;
    copy();
  }
}

void append_utf8(std::string& s, char32_t ch) {
  if (ch < 0x80) {
    s += static_cast<char>(ch);
  } else if (ch < 0x800) {
    s += static_cast<char>(0xC0 | (ch >> 6));
    s += static_cast<char>(0x80 | (ch & 0x3F));
  } else if (ch < 0x10000) {
    s += static_cast<char>(0xE0 | (ch >> 12));
    s += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (ch & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (ch >> 18));
    s += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (ch & 0x3F));
  }
}

}  // namespace

namespace memory {

void reset_ui() { st() = State{}; }

void set_screen(const ui::ScreenInfo& s) { st().screen = s; }

void click(ui::Control c) {
  ControlRec* r = rec(c);
  if (!r) return;
  if (r->kind == ui::Kind::CheckBox) r->checked = !r->checked;
  run(r->click);
}

void mouse_down(ui::Control c) {
  if (ControlRec* r = rec(c)) run(r->mouse_down);
}

void type_char(ui::Control c, char32_t ch) {
  ControlRec* r = rec(c);
  if (!r) return;
  if (ch == 0x1B) return;  // Esc does nothing in an edit box
  if (ch >= 0x20 && r->filter && !r->filter(ch)) return;
  if (ch == 0x08) {
    while (!r->text.empty() && (static_cast<unsigned char>(r->text.back()) & 0xC0) == 0x80)
      r->text.pop_back();
    if (!r->text.empty()) r->text.pop_back();
    return;
  }
  append_utf8(r->text, ch);
}

bool choose_menu_item(ui::Menu m, int command) {
  ui::MenuItemState* it = item(m, command);
  if (!it || (it->flags & (ui::kItemHidden | ui::kSeparator))) return false;
  st().popped_up.reset();
  WindowRec* w = rec(ui::Window{m.window});
  if (auto h = w->commands.find(command); h != w->commands.end()) run(h->second);
  return true;
}

std::string menu_outline(ui::Menu m) {
  std::string out;
  int level = 0;
  const auto* items = rec(m);
  if (!items) return out;
  for (const ui::MenuItemState& it : *items) {
    if (it.flags & ui::kItemHidden) continue;
    for (; level < it.level; ++level) out += "[";
    for (; level > it.level; --level) out += "]";
    if (!out.empty() && out.back() != '[') out += "|";
    out += it.text;
    if (it.flags & ui::kItemChecked) out += "*";
  }
  for (; level > 0; --level) out += "]";
  return out;
}

std::string menu_item_text(ui::Menu m, int command) {
  ui::MenuItemState* it = item(m, command);
  return it ? it->text : std::string();
}

std::optional<ui::Menu> popped_up_menu() { return st().popped_up; }

ui::Canvas paint(ui::Control c) {
  ControlRec* r = rec(c);
  ui::Canvas canvas(r ? r->rect.width : 0, r ? r->rect.height : 0);
  if (r && r->paint) r->paint(canvas);
  return canvas;
}

void mouse(ui::Control c, const ui::MouseEvent& e) {
  ControlRec* r = rec(c);
  if (!r) return;
  if (e.what == ui::Mouse::LeftDown) {
    st().focus = c;
    run(r->mouse_down);
  }
  if (r->mouse) {
    auto h = r->mouse;
    h(e);
  }
}

void key(ui::Control c, ui::Key k) {
  ControlRec* r = rec(c);
  if (r && r->key) {
    auto h = r->key;
    h(k);
  }
}

void clock_change(ui::Window w) {
  if (WindowRec* r = rec(w)) run(r->clock_change);
}

void tray_icon_event(ui::Window w, ui::TrayAction a) {
  WindowRec* r = rec(w);
  if (!r || !r->tray.present) return;
  run(r->tray_event);
  if (auto h = r->tray_action) h(a);
}
void set_cursor_position(ui::Point p) { st().cursor = p; }

bool fire(ui::Timer timer) {
  TimerRec* r = rec(timer);
  if (!r || r->period <= 0) return false;
  run(r->tick);
  return true;
}

const std::vector<Message>& messages() { return st().messages; }
const std::vector<ui::Window>& message_owners() { return st().message_owners; }
const std::vector<Balloon>& balloons() { return st().balloons; }
std::string shown_file(ui::Control html_view) {
  ControlRec* r = rec(html_view);
  return r ? r->shown_file : std::string();
}
void follow_new_window_link(ui::Control html_view, std::string_view url) {
  if (ControlRec* r = rec(html_view); r && r->new_window) r->new_window(url);
}
void answer_next(ui::Answer a) { st().answers.push_back(a); }
std::optional<int> exit_code() { return st().exit_code; }

TrayIcon tray_icon(ui::Window w) {
  WindowRec* r = rec(w);
  return r ? r->tray : TrayIcon{};
}

std::string last_drag() { return st().last_drag; }
std::string font_face(ui::Control c) {
  ControlRec* r = rec(c);
  return r ? r->font_face : std::string();
}
std::string tooltip(ui::Control c) {
  ControlRec* r = rec(c);
  return r ? r->tooltip : std::string();
}
int brought_to_front(ui::Window w) {
  WindowRec* r = rec(w);
  return r ? r->fronts : 0;
}
int set_text_count(ui::Control c) {
  ControlRec* r = rec(c);
  return r ? r->text_sets : 0;
}
int opacity(ui::Window w) {
  WindowRec* r = rec(w);
  return r ? r->opacity : 0;
}
bool is_topmost(ui::Window w) {
  WindowRec* r = rec(w);
  return r && r->topmost;
}
std::optional<ui::Colour> background(ui::Window w) {
  WindowRec* r = rec(w);
  return r ? r->background : std::nullopt;
}
std::optional<ui::Colour> background(ui::Control c) {
  ControlRec* r = rec(c);
  return r ? r->background : std::nullopt;
}
std::string date_format(ui::Control c) {
  ControlRec* r = rec(c);
  return r ? r->date_format : std::string();
}
bool scrolled_to_end(ui::Control c) {
  ControlRec* r = rec(c);
  return r && r->at_end;
}

}  // namespace memory

namespace ui {

Window load_window(const WindowDesign& design, Window owner) {
  if (const std::string fault = design_fault(design); !fault.empty()) {
    require(false, fault.c_str());
  }
  State& s = st();
  const Window handle{static_cast<int>(s.windows.size())};
  WindowRec w;
  w.name = design.name;
  w.caption = design.caption ? design.caption : "";
  w.owner = owner.id;
  w.topmost = (design.flags & kTopmost) != 0;
  w.rect = Rect{0, 0, design.width, design.height};
  for (const ControlDesign& d : design.controls) {
    ControlRec c;
    c.name = d.name;
    c.kind = d.kind;
    c.text = d.text ? d.text : "";
    c.checked = (d.flags & kChecked) != 0;
    c.visible = (d.flags & kHidden) == 0;
    c.rect = Rect{d.left, d.top, d.width, d.height};
    if (d.kind == Kind::PictureButton) c.tooltip = c.text;
    // A date box starts at the moment it is made, as the system's picker does.
    if (d.kind == Kind::DateBox) c.date = to_date_time(to_civil(current_date_time()));
    w.controls.push_back(std::move(c));
  }
  for (const TimerDesign& t : design.timers) w.timers.push_back(TimerRec{t.period > 0 ? t.period : 0, {}});
  for (const MenuDesign& m : design.menus) w.menus.push_back(menu_items(m));
  s.windows.push_back(std::move(w));
  return handle;
}

void destroy_window(Window w) {
  if (WindowRec* r = rec(w)) {
    r->visible = false;
    r->tray.present = false;
    for (TimerRec& t : r->timers) t.period = 0;
    r->destroyed = true;
  }
}

bool window_exists(Window w) { return rec(w) != nullptr; }
bool is_window_visible(Window w) {
  WindowRec* r = rec(w);
  return r && r->visible;
}
void show_window(Window w, bool visible) {
  // Like the system's show: a minimised window stays minimised.
  if (WindowRec* r = rec(w)) r->visible = visible;
}
void minimise_window(Window w) {
  if (WindowRec* r = rec(w)) r->minimised = true;
}
bool is_minimised(Window w) {
  WindowRec* r = rec(w);
  return r && r->minimised;
}
void bring_to_front(Window w) {
  if (WindowRec* r = rec(w)) {
    r->minimised = false;
    ++r->fronts;
  }
}
void set_window_rect(Window w, Rect rc) {
  if (WindowRec* r = rec(w)) r->rect = rc;
}
Rect window_rect(Window w) {
  WindowRec* r = rec(w);
  return r ? r->rect : Rect{};
}
void set_caption(Window w, std::string_view t) {
  if (WindowRec* r = rec(w)) r->caption = t;
}
std::string caption(Window w) {
  WindowRec* r = rec(w);
  return r ? r->caption : std::string();
}
void set_topmost(Window w, bool on) {
  if (WindowRec* r = rec(w)) r->topmost = on;
}
void set_opacity(Window w, int alpha) {
  if (WindowRec* r = rec(w)) r->opacity = alpha;
}
bool find_top_level_window(std::string_view c) {
  for (const auto& w : st().windows)
    if (!w.destroyed && w.caption == c) return true;
  return false;
}
void on_clock_change(Window w, Handler h) {
  if (WindowRec* r = rec(w)) r->clock_change = std::move(h);
}
void process_pending_events() {}
int run_event_loop() { return st().exit_code.value_or(0); }
void quit(int exit_code) {
  if (!st().exit_code) st().exit_code = exit_code;
}

void set_text(Control c, std::string_view t) {
  if (ControlRec* r = rec(c)) {
    r->text = t;
    r->at_end = false;
    ++r->text_sets;
  }
}
std::string text(Control c) {
  ControlRec* r = rec(c);
  return r ? r->text : std::string();
}
void set_text_scroll_to_end(Control c, std::string_view t) {
  if (ControlRec* r = rec(c)) {
    set_text(c, t);
    r->at_end = true;
  }
}
void set_checked(Control c, bool on) {
  if (ControlRec* r = rec(c)) r->checked = on;
}
bool is_checked(Control c) {
  ControlRec* r = rec(c);
  return r && r->checked;
}
void set_visible(Control c, bool on) {
  if (ControlRec* r = rec(c)) r->visible = on;
}
bool is_visible(Control c) {
  ControlRec* r = rec(c);
  return r && r->visible;
}
void set_rect(Control c, Rect rc) {
  if (ControlRec* r = rec(c)) r->rect = rc;
}
Rect rect(Control c) {
  ControlRec* r = rec(c);
  return r ? r->rect : Rect{};
}
void set_font(Control c, std::string_view face, int points) {
  if (ControlRec* r = rec(c)) {
    r->font_face = face;
    r->font_points = points;
  }
}
int font_size(Control c) {
  ControlRec* r = rec(c);
  return r ? r->font_points : 0;
}
void set_focus(Control c) { st().focus = rec(c) ? c : Control{}; }
bool has_focus(Control c) { return c.id >= 0 && st().focus == c; }
void repaint(Control) {}
void set_tooltip(Control c, std::string_view t) {
  if (ControlRec* r = rec(c)) r->tooltip = t;
}
void set_picture(Control c, Picture p) {
  if (ControlRec* r = rec(c)) r->picture = p;
}
void begin_drag(Control what) {
  if (ControlRec* r = rec(what)) st().last_drag = r->name;
}
void begin_window_drag(Window w) {
  if (WindowRec* r = rec(w)) st().last_drag = r->name;
}
void on_click(Control c, Handler h) {
  if (ControlRec* r = rec(c)) r->click = std::move(h);
}
void on_mouse_down(Control c, Handler h) {
  if (ControlRec* r = rec(c)) r->mouse_down = std::move(h);
}
void set_char_filter(Control c, std::function<bool(char32_t)> accept) {
  if (ControlRec* r = rec(c)) r->filter = std::move(accept);
}
void on_paint(Control c, std::function<void(Canvas&)> paint) {
  if (ControlRec* r = rec(c)) r->paint = std::move(paint);
}
void on_mouse(Control c, std::function<void(const MouseEvent&)> h) {
  if (ControlRec* r = rec(c)) r->mouse = std::move(h);
}
void on_key(Control c, std::function<void(Key)> h) {
  if (ControlRec* r = rec(c)) r->key = std::move(h);
}
void set_date_format(Control c, std::string_view format) {
  ControlRec* r = rec(c);
  require(!r || r->kind == Kind::DateBox, "not a date box");
  if (r) r->date_format = format;
}
void set_date_value(Control c, double date_time) {
  ControlRec* r = rec(c);
  require(!r || r->kind == Kind::DateBox, "not a date box");
  if (r) r->date = to_date_time(to_civil(date_time));  // whole seconds, like the picker
}
double date_value(Control c) {
  ControlRec* r = rec(c);
  require(!r || r->kind == Kind::DateBox, "not a date box");
  return r ? r->date : 0;
}
void navigate(Control c, std::string_view file_path) {
  if (ControlRec* r = rec(c)) r->shown_file = file_path;
}
void on_new_window(Control c, std::function<void(std::string_view)> h) {
  if (ControlRec* r = rec(c)) r->new_window = std::move(h);
}

void set_period(Timer t, int ms) {
  if (TimerRec* r = rec(t)) r->period = ms > 0 ? ms : 0;
}
int period(Timer t) {
  TimerRec* r = rec(t);
  return r ? r->period : 0;
}
void on_tick(Timer t, Handler h) {
  if (TimerRec* r = rec(t)) r->tick = std::move(h);
}

void on_command(Window w, int command, Handler h) {
  if (WindowRec* r = rec(w)) r->commands[command] = std::move(h);
}
void set_menu_checked(Menu m, int command, bool on) {
  if (MenuItemState* it = item(m, command)) set_item_flag(*it, kItemChecked, on);
}
bool is_menu_checked(Menu m, int command) {
  MenuItemState* it = item(m, command);
  return it && (it->flags & kItemChecked);
}
void show_menu_item(Menu m, int command, bool visible) {
  if (MenuItemState* it = item(m, command)) set_item_flag(*it, kItemHidden, !visible);
}
void show_menu_item_with_separator(Menu m, int command, bool visible) {
  if (auto* items = rec(m))
    require(show_item_with_separator(*items, command, visible), "no menu item with that command");
}
void set_menu_text(Menu m, int command, std::string_view text) {
  if (MenuItemState* it = item(m, command)) it->text = text;
}
void pop_up_menu(Menu m, Point) {
  if (rec(m)) st().popped_up = m;
}
Point cursor_position() { return st().cursor; }

bool add_tray_icon(Window w, Icon icon, std::string_view tip) {
  WindowRec* r = rec(w);
  if (!r) return false;
  r->tray = memory::TrayIcon{true, icon, std::string(tip)};
  return true;
}
void modify_tray_icon(Window w, Icon icon, std::string_view tip) {
  if (WindowRec* r = rec(w); r && r->tray.present) r->tray = memory::TrayIcon{true, icon, std::string(tip)};
}
void remove_tray_icon(Window w) {
  if (WindowRec* r = rec(w)) r->tray.present = false;
}
void on_tray_action(Window w, std::function<void(TrayAction)> h) {
  if (WindowRec* r = rec(w)) r->tray_action = std::move(h);
}
void set_background(Window w, Colour c) {
  if (WindowRec* r = rec(w)) r->background = c;
}
void set_background(Control c, Colour colour) {
  if (ControlRec* r = rec(c)) r->background = colour;
}
void on_tray_event(Window w, Handler h) {
  if (WindowRec* r = rec(w)) r->tray_event = std::move(h);
}
void show_balloon(Window w, Point at, std::string_view text) {
  st().balloons.push_back(memory::Balloon{w, at, std::string(text)});
}

Answer message_box(Window owner, std::string_view t, std::string_view title, Buttons buttons) {
  State& s = st();
  s.messages.push_back(memory::Message{std::string(t), std::string(title), buttons});
  s.message_owners.push_back(owner);
  if (s.answers.empty())
    return buttons == Buttons::Ok || buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
  const Answer a = s.answers.front();
  s.answers.pop_front();
  return a;
}

ScreenInfo screen() { return st().screen; }

}  // namespace ui
}  // namespace orvane

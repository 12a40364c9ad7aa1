// Windows and controls kept in memory, for tests.
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/memory/memory_backend.h"
#include "platform/memory/memory_state.h"
#include "platform/ui.h"

namespace orvane {
namespace {

struct ControlRec {
  std::string name;
  ui::Kind kind;
  int window;
  std::string text;
  bool checked = false;
  bool visible = true;
  ui::Rect rect;
  std::string font_face = "Tahoma";
  int font_points = 9;
  int period = 0;
  int text_sets = 0;
  bool at_end = false;
  std::string tooltip;
  ui::Picture picture = ui::Picture::None;
  ui::Handler click, mouse_down, tick;
  std::function<bool(char32_t)> filter;
};

struct WindowRec {
  std::string name, caption;
  ui::Rect rect;
  bool visible = false, minimised = false, topmost = false, destroyed = false;
  int opacity = 255;
  int fronts = 0;
  std::vector<int> controls;
  memory::TrayIcon tray;
  ui::Handler tray_event;
};

struct MenuItemRec {
  int level;
  std::string text;
  unsigned flags;
  ui::Handler handler;
};

struct State {
  std::vector<ControlRec> controls;
  std::vector<WindowRec> windows;
  std::vector<std::vector<MenuItemRec>> menus;
  std::vector<memory::Message> messages;
  std::deque<ui::Answer> answers;
  std::optional<int> exit_code;
  std::optional<int> popped_up;
  ui::Point cursor;
  int focus = -1;
  std::string last_drag;
  ui::ScreenInfo screen{1024, 768, {0, 0, 1024, 738}};
};

State& st() {
  static State s;
  return s;
}

ControlRec* rec(ui::Control c) {
  auto& v = st().controls;
  return c.id >= 0 && c.id < static_cast<int>(v.size()) ? &v[c.id] : nullptr;
}
WindowRec* rec(ui::Window w) {
  auto& v = st().windows;
  return w.id >= 0 && w.id < static_cast<int>(v.size()) ? &v[w.id] : nullptr;
}
MenuItemRec* item(ui::Menu m, std::string_view text) {
  auto& v = st().menus;
  if (m.id < 0 || m.id >= static_cast<int>(v.size())) return nullptr;
  for (auto& it : v[m.id])
    if (it.text == text) return &it;
  return nullptr;
}

void run(const ui::Handler& h) {
  if (h) {
    ui::Handler copy = h;
    copy();
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
  if (ch >= 0x20 && r->filter && !r->filter(ch)) return;
  if (ch == 0x08) {
    while (!r->text.empty() && (static_cast<unsigned char>(r->text.back()) & 0xC0) == 0x80)
      r->text.pop_back();
    if (!r->text.empty()) r->text.pop_back();
    return;
  }
  if (ch < 0x80) {
    r->text += static_cast<char>(ch);
  } else if (ch < 0x800) {
    r->text += static_cast<char>(0xC0 | (ch >> 6));
    r->text += static_cast<char>(0x80 | (ch & 0x3F));
  } else if (ch < 0x10000) {
    r->text += static_cast<char>(0xE0 | (ch >> 12));
    r->text += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    r->text += static_cast<char>(0x80 | (ch & 0x3F));
  } else {
    r->text += static_cast<char>(0xF0 | (ch >> 18));
    r->text += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
    r->text += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    r->text += static_cast<char>(0x80 | (ch & 0x3F));
  }
}

bool choose_menu_item(ui::Menu m, std::string_view text) {
  MenuItemRec* it = item(m, text);
  if (!it || (it->flags & (ui::kItemHidden | ui::kSeparator))) return false;
  st().popped_up.reset();
  run(it->handler);
  return true;
}

std::optional<int> popped_up_menu() { return st().popped_up; }

void tray_icon_event(ui::Window w) {
  if (WindowRec* r = rec(w); r && r->tray.present) run(r->tray_event);
}
void set_cursor_position(ui::Point p) { st().cursor = p; }

bool fire(ui::Control timer) {
  ControlRec* r = rec(timer);
  if (!r || r->kind != ui::Kind::Timer || r->period <= 0) return false;
  run(r->tick);
  return true;
}

const std::vector<Message>& messages() { return st().messages; }
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
bool is_minimised(ui::Window w) {
  WindowRec* r = rec(w);
  return r && r->minimised;
}
int brought_to_front(ui::Window w) {
  WindowRec* r = rec(w);
  return r ? r->fronts : 0;
}
int set_text_count(ui::Control c) {
  ControlRec* r = rec(c);
  return r ? r->text_sets : 0;
}
bool scrolled_to_end(ui::Control c) {
  ControlRec* r = rec(c);
  return r && r->at_end;
}

}  // namespace memory

namespace ui {

Window load_window(const WindowDesign& design) {
  State& s = st();
  const Window handle{static_cast<int>(s.windows.size())};
  WindowRec w;
  w.name = design.name;
  w.caption = design.caption ? design.caption : "";
  w.rect = Rect{0, 0, design.width, design.height};
  for (const ControlDesign& d : design.controls) {
    ControlRec c;
    c.name = d.name;
    c.kind = d.kind;
    c.window = handle.id;
    c.text = d.text ? d.text : "";
    c.checked = (d.flags & kChecked) != 0;
    c.visible = (d.flags & kHidden) == 0 && d.kind != Kind::Timer;
    if (d.kind == Kind::Timer) {
      c.period = d.width;
    } else {
      c.rect = Rect{d.left, d.top, d.width, d.height};
    }
    if (d.kind == Kind::PictureButton) c.tooltip = c.text;
    w.controls.push_back(static_cast<int>(s.controls.size()));
    s.controls.push_back(std::move(c));
  }
  s.windows.push_back(std::move(w));
  return handle;
}

void destroy_window(Window w) {
  if (WindowRec* r = rec(w)) {
    r->destroyed = true;
    r->visible = false;
    r->tray.present = false;
    for (int id : r->controls) st().controls[id].period = 0;
  }
}

Control control(Window w, std::string_view name) {
  if (WindowRec* r = rec(w))
    for (int id : r->controls)
      if (st().controls[id].name == name) return Control{id};
  return Control{};
}

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
void set_focus(Control c) { st().focus = rec(c) ? c.id : -1; }
bool has_focus(Control c) { return c.id >= 0 && st().focus == c.id; }
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

void set_period(Control timer, int ms) {
  if (ControlRec* r = rec(timer); r && r->kind == Kind::Timer) r->period = ms > 0 ? ms : 0;
}
int period(Control timer) {
  ControlRec* r = rec(timer);
  return r ? r->period : 0;
}
void on_tick(Control timer, Handler h) {
  if (ControlRec* r = rec(timer)) r->tick = std::move(h);
}

Menu load_menu(Window, const MenuDesign& design) {
  std::vector<MenuItemRec> items;
  for (const MenuItemDesign& d : design.items) items.push_back(MenuItemRec{d.level, d.text, d.flags, {}});
  st().menus.push_back(std::move(items));
  return Menu{static_cast<int>(st().menus.size()) - 1};
}
void on_menu_item(Menu m, std::string_view t, Handler h) {
  if (MenuItemRec* it = item(m, t)) it->handler = std::move(h);
}
void set_menu_checked(Menu m, std::string_view t, bool on) {
  if (MenuItemRec* it = item(m, t)) it->flags = on ? (it->flags | kItemChecked) : (it->flags & ~kItemChecked);
}
bool is_menu_checked(Menu m, std::string_view t) {
  MenuItemRec* it = item(m, t);
  return it && (it->flags & kItemChecked);
}
void show_menu_item(Menu m, std::string_view t, bool visible) {
  if (MenuItemRec* it = item(m, t))
    it->flags = visible ? (it->flags & ~kItemHidden) : (it->flags | kItemHidden);
}
void pop_up_menu(Menu m, Point) { st().popped_up = m.id; }
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
void on_tray_event(Window w, Handler h) {
  if (WindowRec* r = rec(w)) r->tray_event = std::move(h);
}
void show_balloon(Control, Point, std::string_view, std::string_view) {}

Answer message_box(std::string_view t, std::string_view title, Buttons buttons) {
  State& s = st();
  s.messages.push_back(memory::Message{std::string(t), std::string(title), buttons});
  if (s.answers.empty()) return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
  const Answer a = s.answers.front();
  s.answers.pop_front();
  return a;
}

ScreenInfo screen() { return st().screen; }

std::string open_file_dialog(Window, std::string_view, std::string_view) { return {}; }
std::string save_file_dialog(Window, std::string_view, std::string_view, std::string_view) { return {}; }

}  // namespace ui
}  // namespace orvane

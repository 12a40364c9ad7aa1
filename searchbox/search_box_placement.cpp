#include "searchbox/search_box_placement.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "app/main_window.h"
#include "core/text_to_number.h"
#include "online/mini_window.h"
#include "platform/settings_file.h"
#include "searchbox/search_box.h"

namespace orvane::searchbox {

std::string search_box_ini_path;
int search_box_transparency = 20;

namespace {

constexpr int kDefaultTransparency = 20;

SettingsFile settings() { return SettingsFile(search_box_ini_path, "general"); }

// A stored number, truncated toward zero; beyond the 32-bit range it stops
// at the range's end.
int stored_number(std::string_view key, std::string_view default_value) {
  const double v = std::trunc(text_to_number(settings().read(key, default_value)));
  if (std::isnan(v)) return 0;
  if (v <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  if (v >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return static_cast<int>(v);
}

struct Screen {
  int ws, hs, g;
};
Screen screen_now() {
  const ui::ScreenInfo s = ui::screen();
  return Screen{s.width, s.height, app::bottom_gap()};
}

void move_to(int left, int top) {
  ui::Rect r = ui::window_rect(search_box_window());
  r.left = left;
  r.top = top;
  ui::set_window_rect(search_box_window(), r);
}

}  // namespace

int alpha_for_transparency(int percent) {
  const std::int64_t alpha = (100 - std::int64_t{percent}) * 255 / 100;
  return alpha < 0 || alpha > 255 ? 255 : static_cast<int>(alpha);
}

void place_search_box() {
  const Screen s = screen_now();
  const ui::Rect r = ui::window_rect(search_box_window());
  const int w = r.width, h = r.height;
  const int default_left = (s.ws - w) / 2;
  const int lowest_top = s.hs - s.g - h - 2;
  if (!settings().exists()) {
    search_box_transparency = kDefaultTransparency;
    move_to(default_left, lowest_top);
    return;
  }
  search_box_transparency = stored_number("trans", "20");
  int left = stored_number("position_left", std::to_string(default_left));
  if (left > s.ws - w - 2) left = s.ws - w - 2;
  int top = stored_number("position_top", std::to_string(lowest_top));
  if (top > lowest_top) top = lowest_top;
  // No lower limit: a window may stand partly off the left or top edge.
  move_to(left, top);
}

void set_search_box_transparency(int percent) {
  ui::set_opacity(search_box_window(), alpha_for_transparency(percent));
  search_box_transparency = percent;
}

void save_search_box_settings() {
  const ui::Rect r = ui::window_rect(search_box_window());
  const SettingsFile file = settings();
  file.write("trans", std::to_string(search_box_transparency));
  file.write("position_left", std::to_string(r.left));
  file.write("position_top", std::to_string(r.top));
  file.write("box", search_box_engine);
}

void place_search_box_at(Placement where) {
  const Screen s = screen_now();
  const ui::Rect r = ui::window_rect(search_box_window());
  const int w = r.width, h = r.height;
  switch (where) {
    case Placement::BottomRight:
      return online::place_at_screen_corner(search_box_window());
    case Placement::Centre:
      return move_to((s.ws - w) / 2, (s.hs - h) / 2);
    case Placement::BottomCentre:
      return move_to((s.ws - w) / 2, s.hs - h - s.g - 2);
  }
}

void on_always_on_top_tick() {
  if (ui::is_window_visible(search_box_window())) ui::set_topmost(search_box_window(), true);
}

}  // namespace orvane::searchbox

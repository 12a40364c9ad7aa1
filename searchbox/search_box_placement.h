// Where the search box stands, how transparent it is, that it stays on top,
// and its settings file TaoBaoSearchBox.ini.
#pragma once

#include <string>

namespace orvane::searchbox {

// The executable's directory + "\TaoBaoSearchBox.ini"; set by the window's set-up.
extern std::string search_box_ini_path;
// Percent, 0 opaque; kept as read or chosen, also outside 0 to 100.
extern int search_box_transparency;

// The constant opacity for a transparency: (100 − p) × 255 / 100, and opaque
// (255) when that falls outside 0 to 255.
int alpha_for_transparency(int percent);

// Transparency and position from the settings file, or the defaults (20,
// bottom centre above the taskbar); the window's size is the engine's.
void place_search_box();
void set_search_box_transparency(int percent);
// Writes trans, position_left, position_top and box, in this order.
void save_search_box_settings();

enum class Placement { BottomRight, Centre, BottomCentre };
void place_search_box_at(Placement where);
// Tick of 时钟_总在最前: a visible window is put on top again.
void on_always_on_top_tick();

}  // namespace orvane::searchbox

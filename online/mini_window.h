// The mini information windows: a small window in the bottom-right corner of
// the screen showing the maker's page, written into the folder "ad".
#pragma once

#include <string>
#include <string_view>

#include "platform/ui.h"

namespace orvane::online {

// A opens from the main window's timer, B from the search box window.
enum class MiniInstance { A, B };

// The files as the window writes them when the page gives nothing.
extern const std::string_view kDefaultStylesheet;  // 947 bytes
std::string default_mini_page();                   // 22 lines, links shop_channel_url
inline constexpr std::string_view kMiniHeadLine =
    "<head><link rel=\"stylesheet\" type=\"text/css\" href=\"css.css\"/> </head>";

// Opens the instance unless a window captioned like a mini information window
// exists on the desktop (of any process).
void open_mini_window(MiniInstance instance);
// The window of the instance's last creation (it may be closed since).
ui::Window mini_window(MiniInstance instance);
// The window's folder of its last creation: the run directory + "\ad\", or
// + "\" when that cannot be a folder.
std::string mini_folder_path(MiniInstance instance);
// Moves the window (its size kept) to the bottom-right corner, above the taskbar.
void place_at_screen_corner(ui::Window w);

}  // namespace orvane::online

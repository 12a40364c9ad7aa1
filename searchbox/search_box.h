// The shop search box window: its engines, tray icon and menus.
#pragma once

#include <string>
#include <string_view>

#include "platform/ui.h"
#include "searchbox/engines.h"
#include "searchbox/search_box_design.h"

namespace orvane::searchbox {

inline constexpr std::string_view kSearchBoxTip = "Kelu软件之淘宝搜索框 v1.07";
inline constexpr std::string_view kEngineHint = "单击此处可更换搜索框";

// The current engine's key as stored: "taobao", "dangdang", "zhuoyue", or
// whatever unknown text the settings file held.
extern std::string search_box_engine;
extern std::string taobao_page_path, dangdang_page_path;
// The link of the tray menu item "菜单"; kept after the window is closed.
extern std::string search_box_menu_link;

// The open window; a handle that names nothing when there is none.
ui::Window search_box_window();
inline ui::Control box_control(SearchBoxControl c) { return ui::control(search_box_window(), c); }

// Opens the window unless a window with its caption exists on the desktop.
void open_search_box();
void show_search_box();
void apply_engine(Engine e);
// Removes the tray icon and saves the settings; the caller destroys the window.
void finish_search_box();
// "退出" of its tray menu: finished and destroyed, its page files deleted.
void close_search_box();
// The Joyo search address for a keyword, appended unchanged.
std::string joyo_search_address(std::string_view keyword);

// The main window's menu items "淘宝搜索框".
void connect_search_box_openers();

}  // namespace orvane::searchbox

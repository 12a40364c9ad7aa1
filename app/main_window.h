// The main window: its program-wide values and the operations other parts call.
#pragma once

#include <string>
#include <string_view>

#include "app/main_window_design.h"
#include "app/product.h"
#include "platform/ui.h"

namespace orvane::app {

inline constexpr std::string_view kBoardFontFace = "Tahoma";
// 时钟_刷新倒计时 while automatic refresh is on and the window is shown.
inline constexpr int kRefreshPeriod = 15000;

extern std::string event_file_path;
extern std::string config_file_path;
extern ui::Window main_window;

inline ui::Control main_control(MainControl c) { return ui::control(main_window, c); }
inline ui::Timer main_timer(MainTimer t) { return ui::timer(main_window, t); }
inline ui::Menu more_menu() { return ui::menu(main_window, MainMenu::更多菜单); }
inline ui::Menu tray_menu() { return ui::menu(main_window, MainMenu::托盘菜单); }
// A message box owned by the main window, titled with the product name.
ui::Answer tell(std::string_view text, ui::Buttons buttons = ui::Buttons::Ok);

// The start sequence of the main window; false when the program is to end at
// once (the name check).
bool run_start_sequence();
int bottom_gap();
void lay_out_main_window();
void update_title_clock();
void change_board_font_size(int delta);
// Rebuilds the board and the title clock at once (the clock jumped).
void on_clock_change();

// Connects the handlers of the main window's own controls and timers.
void connect_main_window();

}  // namespace orvane::app

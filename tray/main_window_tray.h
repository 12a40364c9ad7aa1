// The main window's tray icon and menus, hiding to the tray, coming back and
// leaving the program.
#pragma once

#include <string_view>

namespace orvane::tray {

// Shows the main window, restarts its timers and brings it to the front.
void show_main_window();
// 窗口关闭按钮: hides the main window and arms the auto-open timer.
void hide_to_tray();
// "退出": removes the tray icon, saves the board's font size, ends the program.
void exit_program();
void on_auto_open_tick();

// The period of 时钟_缩至托盘自动打开 for the minutes text: minutes × 60000,
// truncated; 0 (stopped) when the option is off or the result is not
// positive; the longest period a timer takes when the product is larger.
int auto_open_period(bool option_on, std::string_view minutes_text);
inline constexpr int kLongestPeriod = 2147483647;

// Connects the title strip buttons, the tray icon, both menus and the timers
// of the tray and the alerts.
void connect_tray();

}  // namespace orvane::tray

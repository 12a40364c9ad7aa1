// Program-wide values of the main window and the operations other parts call.
#pragma once

#include <string>
#include <string_view>

#include "platform/ui.h"

namespace orvane::app {

inline constexpr std::string_view kProductTitle = "Kelu软件之倒计时牌 v1.11";
inline constexpr std::string_view kProductName = "Kelu软件之倒计时牌";
inline constexpr std::string_view kExecutableName = "Orvane.exe";
inline constexpr std::string_view kBoardFontFace = "Tahoma";

extern std::string event_file_path;
extern std::string config_file_path;
extern ui::Window main_window;
extern ui::Menu more_menu;
extern ui::Menu tray_menu;

// A control of the main window by its design name.
ui::Control main_control(std::string_view name);

// Loads the main window, connects its handlers and runs the start sequence.
// False when the program is to end at once (the name check).
bool start_program();
// start_program, then the event loop; the exit code.
int run_program();

// The start sequence of the main window.
bool run_start_sequence();
int bottom_gap();
void lay_out_main_window();
void update_title_clock();
void build_board_text();
void change_board_font_size(int delta);

}  // namespace orvane::app

// The board: the event list file shown as countdowns in 编辑框_显示.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvane::app {

// A board line longer than this many characters is shown cut, with a mark
// saying so; the event list file keeps the whole line.
inline constexpr std::size_t kMaxBoardLineChars = 4096;
inline constexpr std::string_view kCutMark = "……（此行过长，只显示前 4096 个字）";
// The board as shown: every line within kMaxBoardLineChars characters.
std::string bounded_for_display(std::string board);

// Reads the event list file and replaces the board with its countdowns. A
// call while a rebuild runs (a tick dispatched from inside it) does nothing:
// the running rebuild already shows the current time.
void build_board_text();
// Tick of 时钟_刷新倒计时: a rebuild, then the next tick a whole period after
// it ends, so that a slow board never runs rebuild after rebuild.
void on_refresh_tick();
// 时钟_刷新倒计时 runs exactly while 选择框_自动刷新 is ticked.
void start_refresh_timer_as_switched();

}  // namespace orvane::app

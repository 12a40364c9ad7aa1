// The board: the event list file shown as countdowns in 编辑框_显示.
#pragma once

namespace orvane::app {

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

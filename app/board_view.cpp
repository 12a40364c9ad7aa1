#include "app/board_view.h"

#include "app/main_window.h"
#include "core/board.h"
#include "core/text_codec.h"
#include "platform/system.h"

namespace orvane::app {
namespace {

bool rebuilding = false;

}  // namespace

void build_board_text() {
  if (rebuilding) return;
  rebuilding = true;
  const std::optional<std::string> bytes = sys::read_file(event_file_path);
  const std::string list = bytes ? gbk_to_utf8(cut_at_zero(*bytes)) : std::string();
  ui::set_text_scroll_to_end(main_control(MainControl::编辑框_显示), board_text(list));
  rebuilding = false;
}

void on_refresh_tick() {
  build_board_text();
  const ui::Timer refresh = main_timer(MainTimer::时钟_刷新倒计时);
  if (ui::period(refresh) > 0) ui::set_period(refresh, ui::period(refresh));
}

void start_refresh_timer_as_switched() {
  ui::set_period(main_timer(MainTimer::时钟_刷新倒计时),
                 ui::is_checked(main_control(MainControl::选择框_自动刷新)) ? kRefreshPeriod : 0);
}

}  // namespace orvane::app

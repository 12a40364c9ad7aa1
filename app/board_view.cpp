// The board: the event list file shown as countdowns in 编辑框_显示.
#include "app/program.h"
#include "core/board.h"
#include "core/text_codec.h"
#include "platform/system.h"

namespace orvane::app {

void build_board_text() {
  const std::optional<std::string> bytes = sys::read_file(event_file_path);
  const std::string list = bytes ? gbk_to_utf8(cut_at_zero(*bytes)) : std::string();
  ui::set_text_scroll_to_end(main_control("编辑框_显示"), board_text(list));
}

}  // namespace orvane::app

#include "app/board_view.h"

#include "app/main_window.h"
#include "core/board.h"
#include "core/text_codec.h"
#include "platform/system.h"

namespace orvane::app {
namespace {

bool rebuilding = false;

// The byte length of the first n characters of UTF-8 text (all of it when shorter).
std::size_t bytes_of_chars(std::string_view text, std::size_t n) {
  std::size_t i = 0;
  for (std::size_t chars = 0; i < text.size() && chars < n; ++chars) {
    ++i;
    while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
  }
  return i;
}

}  // namespace

std::string bounded_for_display(std::string board) {
  // Bytes bound characters from above: a board of short lines costs one pass.
  std::string out;
  std::size_t start = 0;
  bool cut = false;
  while (start <= board.size()) {
    std::size_t end = board.find("\r\n", start);
    if (end == std::string::npos) end = board.size();
    const std::string_view line(board.data() + start, end - start);
    if (line.size() > kMaxBoardLineChars) {
      const std::size_t keep = bytes_of_chars(line, kMaxBoardLineChars);
      if (keep < line.size()) {
        if (!cut) out.assign(board, 0, start);
        cut = true;
        out.append(line.substr(0, keep)).append(kCutMark);
      } else if (cut) {
        out.append(line);
      }
    } else if (cut) {
      out.append(line);
    }
    if (end == board.size()) break;
    if (cut) out.append("\r\n");
    start = end + 2;
  }
  return cut ? out : board;
}

void build_board_text() {
  if (rebuilding) return;
  rebuilding = true;
  const std::optional<std::string> bytes = sys::read_file(event_file_path);
  const std::string list = bytes ? gbk_to_utf8(cut_at_zero(*bytes)) : std::string();
  ui::set_text_scroll_to_end(main_control(MainControl::编辑框_显示), bounded_for_display(board_text(list)));
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

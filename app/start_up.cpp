// The start sequence of the main window, its layout, title clock and board font.
#include <cmath>

#include "app/board_view.h"
#include "app/config.h"
#include "app/main_window.h"
#include "core/board.h"
#include "core/date_time.h"
#include "core/text_codec.h"
#include "core/text_to_number.h"
#include "platform/system.h"
#include "searchbox/search_box.h"

namespace orvane::app {

std::string event_file_path;
std::string config_file_path;
ui::Window main_window;

namespace {

using enum MainControl;

constexpr int kStartPaneFrame = 2;  // frame line width of 外形框_启动

ui::Rect rect_of(MainControl c) { return ui::rect(main_control(c)); }
void set_rect_of(MainControl c, ui::Rect r) { ui::set_rect(main_control(c), r); }

bool name_check_passes() {
  // The name as stored on disk: a launch typed as "orvane.exe" still runs
  // the file Orvane.exe.
  if (sys::file_name_of(sys::executable_path()) == kExecutableName) return true;
  tell("程序名已固定为 Orvane.exe ，请勿修改");
  ui::quit(0);
  return false;
}

void write_default_event_list() {
  if (sys::file_exists(event_file_path)) return;
  if (auto gbk = utf8_to_gbk(kDefaultEventList)) sys::write_file(event_file_path, *gbk);
}

int board_font_from_config() {
  const double font = text_to_number(config().read("font", "9"));
  return std::isfinite(font) && std::fabs(font) < 1e6 ? static_cast<int>(std::trunc(font)) : 0;
}

}  // namespace

ui::Answer tell(std::string_view text, ui::Buttons buttons) {
  return ui::message_box(main_window, text, kProductName, buttons);
}

int bottom_gap() {
  const ui::ScreenInfo s = ui::screen();
  const int gap = s.height - (s.work_area.top + s.work_area.height);
  return gap == 0 ? 40 : gap;
}

void lay_out_main_window() {
  const ui::ScreenInfo s = ui::screen();
  const int hs = s.height, ws = s.width, g = bottom_gap(), w = kStartPaneFrame;

  const int h = hs - g - 40;
  ui::Rect pane = rect_of(外形框_启动);
  const int width = pane.width + 24;
  pane.height = h - pane.top - rect_of(窗口假下).height - rect_of(选择框_自动刷新).height;
  set_rect_of(外形框_启动, pane);

  ui::Rect board = rect_of(编辑框_显示);
  board.height = pane.height - 2 * w;
  set_rect_of(编辑框_显示, board);

  ui::Rect row = rect_of(外形框_主界面几个按钮);
  row.top = pane.top + pane.height + 6;
  row.left = pane.left - 4;
  row.width = pane.width + 4;
  set_rect_of(外形框_主界面几个按钮, row);

  ui::Rect done = rect_of(标签_设置成功);
  done.left = pane.width - done.width - w;
  done.top = w;
  set_rect_of(标签_设置成功, done);

  double top = std::trunc((hs - h) / 2.0);
  if ((top + h) - (hs - g) > 1e-7) top = hs - g - h - 2;
  if (top < 0) top = 0;
  const int left = static_cast<int>(std::trunc((ws - width) / 2.0));
  ui::set_window_rect(main_window, ui::Rect{left, static_cast<int>(top), width, h});

  ui::Rect close = rect_of(窗口关闭按钮);
  ui::Rect minimise = rect_of(窗口最小化按钮);
  ui::Rect more = rect_of(窗口更多按钮);
  ui::Rect refresh = rect_of(选择框_自动刷新);
  close.left = width - close.width - 2;
  minimise.left = close.left - minimise.width - 2;
  more.left = minimise.left - more.width - 2;
  more.top = 4;
  refresh.left = more.left - refresh.width - 4;
  refresh.top = 2;
  close.top = 4;
  minimise.top = 4;
  set_rect_of(窗口关闭按钮, close);
  set_rect_of(窗口最小化按钮, minimise);
  set_rect_of(窗口更多按钮, more);
  set_rect_of(选择框_自动刷新, refresh);

  const ui::Rect title = rect_of(窗口假上);
  set_rect_of(窗口假上, ui::Rect{2, 0, width, title.height});
  set_rect_of(窗口假左, ui::Rect{0, 0, 2, h});
  set_rect_of(窗口假右, ui::Rect{width - 2, 0, 2, h});
  set_rect_of(窗口假下, ui::Rect{0, h - 16, width, 16});
}

void update_title_clock() {
  const DateTime now = current_date_time();
  const ui::Control title = main_control(窗口假上);
  ui::set_text(title,
               ui::caption(main_window) + " - [" + format_date_time(now) + " / " + weekday_name(now) + "]");
  ui::repaint(title);
  ui::set_period(main_timer(MainTimer::时钟_标题时刻), 20000);
}

void change_board_font_size(int delta) {
  const ui::Control board = main_control(编辑框_显示);
  ui::set_font(board, kBoardFontFace, ui::font_size(board) + delta);
}

void on_clock_change() {
  build_board_text();
  // Only while the title clock runs: a window hidden in the tray keeps it stopped.
  if (ui::period(main_timer(MainTimer::时钟_标题时刻)) > 0) update_title_clock();
}

bool run_start_sequence() {
  if (!name_check_passes()) return false;
  ui::set_caption(main_window, kProductTitle);
  ui::set_text(main_control(窗口假上), kProductTitle);

  const std::string dir = sys::directory_of(sys::executable_path());
  event_file_path = dir + "\\Orvane.txt";
  config_file_path = dir + "\\config.ini";
  write_default_event_list();

  apply_config_at_start_up();
  lay_out_main_window();
  ui::add_tray_icon(main_window, ui::Icon::Program, kProductTitle);

  // The font comes before the first board, so the board is laid out once.
  ui::set_font(main_control(编辑框_显示), kBoardFontFace, board_font_from_config());
  ui::process_pending_events();
  build_board_text();
  ui::process_pending_events();

  sys::seed_random(sys::tick_count());
  ui::set_period(main_timer(MainTimer::时钟_联机), sys::random_int(5000, 8000));
  ui::set_period(main_timer(MainTimer::时钟_迷你资讯), sys::random_int(25000, 30000));

  ui::show_window(main_window, true);
  // The refresh timer starts once the first board is shown: a slow board
  // never starts a second rebuild inside the start sequence.
  start_refresh_timer_as_switched();
  searchbox::open_search_box();

  const ui::Menu tray = tray_menu();
  if (ui::is_menu_checked(tray, MainCommand::声音提示))
    ui::set_period(main_timer(MainTimer::时钟_声音提示), 1000);
  if (ui::is_menu_checked(tray, MainCommand::闪烁托盘))
    ui::set_period(main_timer(MainTimer::时钟_闪托盘), 500);
  if (ui::is_menu_checked(tray, MainCommand::激活窗口))
    ui::set_period(main_timer(MainTimer::时钟_激活窗口), 3000);
  return true;
}

void connect_main_window() {
  ui::on_tick(main_timer(MainTimer::时钟_刷新倒计时), on_refresh_tick);
  ui::on_tick(main_timer(MainTimer::时钟_标题时刻), update_title_clock);
  ui::on_mouse_down(main_control(标签_字体增大), [] { change_board_font_size(+1); });
  ui::on_mouse_down(main_control(标签_字体缩小), [] { change_board_font_size(-1); });
  ui::on_clock_change(main_window, on_clock_change);
}

}  // namespace orvane::app

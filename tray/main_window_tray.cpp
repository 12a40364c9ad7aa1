#include "tray/main_window_tray.h"

#include <cmath>
#include <string>

#include "app/board_view.h"
#include "app/config.h"
#include "app/main_window.h"
#include "core/text_to_number.h"
#include "searchbox/search_box.h"
#include "tray/expiry_alerts.h"

namespace orvane::tray {

using app::main_control;
using app::main_timer;
using app::main_window;
using app::MainCommand;
using enum app::MainControl;
using enum app::MainTimer;

int auto_open_period(bool option_on, std::string_view minutes_text) {
  if (!option_on) return 0;
  const double ms = text_to_number(minutes_text) * 60000.0;
  if (!(ms >= 1.0)) return 0;  // also catches NaN
  if (ms >= static_cast<double>(kLongestPeriod)) return kLongestPeriod;
  return static_cast<int>(std::trunc(ms));
}

void show_main_window() {
  ui::show_window(main_window, true);
  app::start_refresh_timer_as_switched();
  ui::set_period(main_timer(时钟_标题时刻), 5000);
  ui::set_period(main_timer(时钟_缩至托盘自动打开), 0);
  ui::bring_to_front(main_window);
}

void hide_to_tray() {
  ui::minimise_window(main_window);
  ui::show_window(main_window, false);
  ui::set_period(main_timer(时钟_刷新倒计时), 0);
  ui::set_period(main_timer(时钟_标题时刻), 0);
  ui::set_period(main_timer(设置成功时钟), 0);
  ui::set_period(main_timer(时钟_缩至托盘自动打开),
                 auto_open_period(ui::is_checked(main_control(选择框_程序缩至托盘后自动打开)),
                                  ui::text(main_control(编辑框_程序缩至托盘))));
}

void on_auto_open_tick() {
  ui::set_period(main_timer(时钟_缩至托盘自动打开), 0);
  show_main_window();
}

void exit_program() {
  ui::remove_tray_icon(main_window);
  app::config().write("font", std::to_string(ui::font_size(main_control(编辑框_显示))));
  if (ui::window_exists(searchbox::search_box_window())) searchbox::close_search_box();
  ui::quit(0);
}

void connect_tray() {
  ui::set_picture(main_control(窗口更多按钮), ui::Picture::More);
  ui::set_picture(main_control(窗口最小化按钮), ui::Picture::Minimise);
  ui::set_picture(main_control(窗口关闭按钮), ui::Picture::Close);
  ui::on_mouse_down(main_control(窗口假上), [] { ui::begin_window_drag(main_window); });
  ui::on_click(main_control(窗口更多按钮), [] { ui::pop_up_menu(app::more_menu(), ui::cursor_position()); });
  ui::on_click(main_control(窗口最小化按钮), [] { ui::minimise_window(main_window); });
  ui::on_click(main_control(窗口关闭按钮), hide_to_tray);
  // Whatever the mouse did on the icon, the tray menu opens.
  ui::on_tray_event(main_window, [] { ui::pop_up_menu(app::tray_menu(), ui::cursor_position()); });
  ui::on_tick(main_timer(时钟_缩至托盘自动打开), on_auto_open_tick);

  ui::on_command(main_window, MainCommand::显示主窗口, show_main_window);
  ui::on_command(main_window, MainCommand::声音提示, toggle_sound_alert);
  ui::on_command(main_window, MainCommand::闪烁托盘, toggle_flash_alert);
  ui::on_command(main_window, MainCommand::退出, exit_program);
  ui::on_tick(main_timer(时钟_声音提示), on_sound_tick);
  ui::on_tick(main_timer(时钟_闪托盘), on_flash_tick);
  ui::on_tick(main_timer(时钟_激活窗口), on_activation_tick);
}

}  // namespace orvane::tray

#include "app/program.h"

#include "app/main_window_design.h"
#include "app/settings_pane.h"
#include "tray/main_window_tray.h"

namespace orvane::app {

std::string event_file_path;
std::string config_file_path;
ui::Window main_window;
ui::Menu more_menu;
ui::Menu tray_menu;

ui::Control main_control(std::string_view name) { return ui::control(main_window, name); }

namespace {

void connect_main_window() {
  ui::on_tick(main_control("时钟_刷新倒计时"), build_board_text);
  ui::on_tick(main_control("时钟_标题时刻"), update_title_clock);
  ui::on_mouse_down(main_control("标签_字体增大"), [] { change_board_font_size(+1); });
  ui::on_mouse_down(main_control("标签_字体缩小"), [] { change_board_font_size(-1); });
  connect_settings_pane();
  tray::connect_tray();
}

}  // namespace

bool start_program() {
  main_window = ui::load_window(kMainWindowDesign);
  more_menu = ui::load_menu(main_window, kMoreMenuDesign);
  tray_menu = ui::load_menu(main_window, kTrayMenuDesign);
  connect_main_window();
  return run_start_sequence();
}

int run_program() {
  const int code = start_program() ? ui::run_event_loop() : 0;
  // The exit clean-up: the tray icon and the windows go with the program.
  ui::destroy_window(main_window);
  return code;
}

}  // namespace orvane::app

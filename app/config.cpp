#include "app/config.h"

#include "app/program.h"
#include "platform/system.h"

namespace orvane::app {

std::string read_setting(std::string_view key, std::string_view default_value) {
  return sys::ini_read(config_file_path, kConfigSection, key, default_value);
}

void write_setting(std::string_view key, std::string_view value) {
  sys::ini_write(config_file_path, kConfigSection, key, value);
}

void write_flag_setting(std::string_view key, bool on) { write_setting(key, on ? "yes" : "no"); }

void read_flag_setting(ui::Control check_box, std::string_view key, std::string_view default_value) {
  ui::set_checked(check_box, read_setting(key, default_value) == "yes");
}

void apply_config_at_start_up() {
  const ui::Control auto_open = main_control("选择框_程序缩至托盘后自动打开");
  const ui::Control minutes = main_control("编辑框_程序缩至托盘");
  const ui::Control auto_refresh = main_control("选择框_自动刷新");
  ui::set_checked(auto_open, true);
  ui::set_text(minutes, "15");
  ui::set_checked(auto_refresh, true);
  ui::set_menu_checked(tray_menu, "声音提示", false);
  ui::set_menu_checked(tray_menu, "闪烁托盘", true);
  ui::set_menu_checked(tray_menu, "激活窗口", false);
  if (sys::file_exists(config_file_path)) {
    read_flag_setting(auto_open, "autoactivate", "yes");
    ui::set_text(minutes, read_setting("autoactivate_min", "15"));
    read_flag_setting(auto_refresh, "autofresh", "yes");
    ui::set_menu_checked(tray_menu, "声音提示", read_setting("sound", "no") == "yes");
    ui::set_menu_checked(tray_menu, "闪烁托盘", read_setting("sstp", "yes") == "yes");
    ui::set_menu_checked(tray_menu, "激活窗口", read_setting("jhck", "no") == "yes");
  }
  ui::set_period(main_control("时钟_刷新倒计时"), ui::is_checked(auto_refresh) ? 15000 : 0);
}

}  // namespace orvane::app

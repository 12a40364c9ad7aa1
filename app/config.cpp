#include "app/config.h"

#include "app/main_window.h"

namespace orvane::app {

SettingsFile config() { return SettingsFile(config_file_path, "general"); }

void apply_config_at_start_up() {
  using enum MainControl;
  const ui::Control auto_open = main_control(选择框_程序缩至托盘后自动打开);
  const ui::Control minutes = main_control(编辑框_程序缩至托盘);
  const ui::Control auto_refresh = main_control(选择框_自动刷新);
  const ui::Menu tray = tray_menu();
  ui::set_checked(auto_open, true);
  ui::set_text(minutes, "15");
  ui::set_checked(auto_refresh, true);
  ui::set_menu_checked(tray, MainCommand::声音提示, false);
  ui::set_menu_checked(tray, MainCommand::闪烁托盘, true);
  ui::set_menu_checked(tray, MainCommand::激活窗口, false);
  const SettingsFile file = config();
  if (file.exists()) {
    ui::set_checked(auto_open, file.read_flag("autoactivate", "yes"));
    ui::set_text(minutes, file.read("autoactivate_min", "15"));
    ui::set_checked(auto_refresh, file.read_flag("autofresh", "yes"));
    ui::set_menu_checked(tray, MainCommand::声音提示, file.read_flag("sound", "no"));
    ui::set_menu_checked(tray, MainCommand::闪烁托盘, file.read_flag("sstp", "yes"));
    ui::set_menu_checked(tray, MainCommand::激活窗口, file.read_flag("jhck", "no"));
  }
}

}  // namespace orvane::app

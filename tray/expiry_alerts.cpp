#include "tray/expiry_alerts.h"

#include "app/config.h"
#include "app/main_window.h"
#include "core/board.h"
#include "platform/system.h"
#include "tray/alert_sound.h"
#include "tray/main_window_tray.h"

namespace orvane::tray {

using app::main_control;
using app::main_timer;
using app::MainCommand;
using enum app::MainTimer;

int tray_flash_phase = 0;

namespace {

void show_normal_tray_icon() {
  ui::modify_tray_icon(app::main_window, ui::Icon::Program, app::kProductTitle);
}

}  // namespace

std::string alert_tip() { return std::string(app::kProductTitle) + "\r\n有事件过期！"; }

bool event_has_expired() {
  return ui::text(main_control(app::MainControl::编辑框_显示)).find(kAlreadyPassed) != std::string::npos;
}

void on_sound_tick() {
  if (!ui::is_menu_checked(app::tray_menu(), MainCommand::声音提示)) {
    ui::set_period(main_timer(时钟_声音提示), 0);
    sys::stop_sound();
  } else if (event_has_expired()) {
    sys::play_wave_async(alert_sound());
  } else {
    sys::stop_sound();
  }
}

void on_flash_tick() {
  if (!ui::is_menu_checked(app::tray_menu(), MainCommand::闪烁托盘)) {
    ui::set_period(main_timer(时钟_闪托盘), 0);
    show_normal_tray_icon();
  } else if (event_has_expired()) {
    const bool blank = tray_flash_phase != 1;
    tray_flash_phase = blank ? 1 : 2;
    ui::modify_tray_icon(app::main_window, blank ? ui::Icon::Blank : ui::Icon::Program, alert_tip());
  } else {
    show_normal_tray_icon();
  }
}

void on_activation_tick() {
  if (!ui::is_menu_checked(app::tray_menu(), MainCommand::激活窗口)) {
    ui::set_period(main_timer(时钟_激活窗口), 0);
  } else if (event_has_expired()) {
    show_main_window();
    // Once per run: config.ini keeps its "yes" for the next start.
    ui::set_menu_checked(app::tray_menu(), MainCommand::激活窗口, false);
  }
}

void toggle_sound_alert() {
  const bool on = !ui::is_menu_checked(app::tray_menu(), MainCommand::声音提示);
  ui::set_menu_checked(app::tray_menu(), MainCommand::声音提示, on);
  app::config().write_flag("sound", on);
  ui::set_period(main_timer(时钟_声音提示), on ? 1000 : 0);
}

void toggle_flash_alert() {
  const bool on = !ui::is_menu_checked(app::tray_menu(), MainCommand::闪烁托盘);
  ui::set_menu_checked(app::tray_menu(), MainCommand::闪烁托盘, on);
  ui::set_period(main_timer(时钟_闪托盘), on ? 500 : 0);
  if (!on) show_normal_tray_icon();
  app::config().write_flag("sstp", on);
}

}  // namespace orvane::tray

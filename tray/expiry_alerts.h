// The three alerts for events that have passed: sound, flashing tray icon and
// bringing the main window up once per run.
#pragma once

#include <string_view>

namespace orvane::tray {

inline constexpr std::string_view kAlertTip = "Kelu软件之倒计时牌 v1.11\r\n有事件过期！";

// 0 at start, 1 after the flashing showed the blank icon, 2 after it showed
// the normal one.
extern int tray_flash_phase;

// True when the board, as last built, carries a passed event.
bool event_has_expired();

void on_sound_tick();
void on_flash_tick();
void on_activation_tick();
// The menu switches "声音提示" and "闪烁托盘".
void toggle_sound_alert();
void toggle_flash_alert();

}  // namespace orvane::tray

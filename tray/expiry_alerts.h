// The three alerts for events that have passed: sound, flashing tray icon and
// bringing the main window up once per run.
#pragma once

#include <string>

namespace orvane::tray {

// The tray tip while an event has passed: the product title, then "有事件过期！".
std::string alert_tip();

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

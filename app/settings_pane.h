// The settings pane 外形框_设置 and the automatic refresh switch.
#pragma once

#include <string>
#include <string_view>

namespace orvane::app {

void open_settings_pane();
void tidy_settings_text();
void save_settings();
void add_example_line();
void show_settings_help();
void close_settings_pane();
void on_auto_refresh_clicked();
void on_auto_open_option_clicked();
void on_confirmation_tick();
void hide_expired_in_editor();

// The editor's text with empty lines collapsed, then spaces and full-width
// spaces removed, pass by pass.
std::string tidy_text(std::string_view text);
// The minutes box takes digits and "-" from the keyboard.
bool minutes_box_accepts(char32_t c);

void connect_settings_pane();

}  // namespace orvane::app

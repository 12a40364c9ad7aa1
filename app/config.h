// config.ini: the options of the board and its alerts, section "general".
#pragma once

#include <string>
#include <string_view>

#include "platform/ui.h"

namespace orvane::app {

inline constexpr std::string_view kConfigSection = "general";

std::string read_setting(std::string_view key, std::string_view default_value);
void write_setting(std::string_view key, std::string_view value);
void write_flag_setting(std::string_view key, bool on);
// Ticks the check box exactly when the key holds "yes".
void read_flag_setting(ui::Control check_box, std::string_view key, std::string_view default_value);

// Built-in defaults, then the keys of config.ini when the file exists.
void apply_config_at_start_up();

}  // namespace orvane::app

// config.ini: the options of the board and its alerts, section "general".
#pragma once

#include "platform/settings_file.h"

namespace orvane::app {

// config.ini beside the executable (config_file_path).
SettingsFile config();

// Built-in defaults, then the keys of config.ini when the file exists.
void apply_config_at_start_up();

}  // namespace orvane::app

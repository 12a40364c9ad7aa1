// Start with Windows: the shortcut "Kelu倒计时.lnk" in the current user's
// Startup folder, made and removed by the settings pane's 选择框_开机自启.
#pragma once

#include <string>
#include <string_view>

namespace orvane::app {

inline constexpr std::string_view kShortcutName = "Kelu倒计时";
// While this file exists in the run directory, a failed start-up shortcut is
// not reported.
inline constexpr std::string_view kNoQuestionMarker = "shortcut.ini";

// The start-up shortcut's path; empty when the system has no Startup folder.
std::string startup_shortcut_path();
bool startup_shortcut_exists();

// Creates the start-up shortcut, or replaces one that points elsewhere; on
// failure offers a desktop shortcut.
void enable_start_with_windows();
// Removes the start-up shortcut (and the never-written Run value); silent.
void disable_start_with_windows();
void on_start_with_windows_clicked();
// Creates "Kelu倒计时.lnk" on the desktop; on failure reports it and opens the
// run directory and the Startup folder.
void create_desktop_shortcut();
void report_shortcut_failure();

void connect_start_with_windows();

}  // namespace orvane::app

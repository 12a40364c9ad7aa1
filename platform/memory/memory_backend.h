// The in-memory backend's controls for tests: what a user or the system
// would do (clicks, typing, timer ticks, answers to message boxes) and what
// the program did (messages shown, menus popped up, the exit code).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/system.h"
#include "platform/ui.h"

namespace orvane::memory {

// Forgets every window, menu, message and setting of the previous test.
void reset();

// --- The system around the program -------------------------------------------
void set_screen(const ui::ScreenInfo& s);
// Host paths with "/"; the program's "\" paths are mapped onto them. The
// path is the one used at launch: the program sees the file name as stored in
// its directory, whose letter case may differ.
void set_executable_path(const std::string& path);
void set_special_folder(sys::Folder f, const std::string& path);
void set_tick_count(std::uint32_t ticks);
// While on, writing, replacing and deleting files fails and changes nothing.
void fail_file_writes(bool on);
// What the program did with sounds. A started sound counts as playing until
// it is stopped.
struct SoundLog {
  int plays = 0, stops = 0;
  bool playing = false;
  std::string last_wave;
};
const SoundLog& sound_log();
// A path as the program writes it ("\" separators) on the host.
std::string host_path(std::string_view program_path);

// The registry under HKEY_LOCAL_MACHINE ("" names a key's unnamed value).
void set_registry_value(const std::string& key, const std::string& value_name, const std::string& text);
// Command lines of the processes started, in order; while fail_process_starts
// is on, every start fails.
const std::vector<std::string>& started_processes();
void fail_process_starts(bool on);
std::string clipboard_text();
// The web as http_get sees it: each address gives its body (nothing: the
// request fails); an address nobody serves fails too.
void serve_page(const std::string& url, std::optional<std::string> body);
int page_requests(const std::string& url);
// Runs in every request, as window events run while the program waits for
// its worker (a handler may close a window there).
void during_requests(std::function<void()> events);

// --- The user --------------------------------------------------------------------
// A click on a button or check box (a check box toggles first).
void click(ui::Control c);
void mouse_down(ui::Control c);
// Typing one character into an edit box, through its keyboard filter.
void type_char(ui::Control c, char32_t ch);
// Chooses a visible item of a menu; false when the menu shows no such item.
bool choose_menu_item(ui::Menu m, int command);
template <typename E>
bool choose_menu_item(ui::Menu m, E command) {
  return choose_menu_item(m, static_cast<int>(command));
}
// The menu as the user sees it: hidden items left out, submenus in brackets,
// items between "|", check marks as "*".
std::string menu_outline(ui::Menu m);
// The text of a menu item, "" when there is none.
std::string menu_item_text(ui::Menu m, int command);
template <typename E>
std::string menu_item_text(ui::Menu m, E command) {
  return menu_item_text(m, static_cast<int>(command));
}
// The menu popped up last, if any.
std::optional<ui::Menu> popped_up_menu();
// The drawn control's drawing, as the product would paint it now.
ui::Canvas paint(ui::Control c);
void mouse(ui::Control c, const ui::MouseEvent& e);
void key(ui::Control c, ui::Key k);
// The computer woke up or the clock changed.
void clock_change(ui::Window w);
// A mouse action on the window's tray icon (nothing when it has none).
void tray_icon_event(ui::Window w, ui::TrayAction a = ui::TrayAction::LeftUp);
void set_cursor_position(ui::Point p);

// --- Timers ----------------------------------------------------------------------
// Runs the tick handler of a running timer; false when the timer is stopped.
bool fire(ui::Timer timer);

// --- Workers -----------------------------------------------------------------------
// By default a worker runs to its end at once, within its time. After
// hold_workers(true) each worker is kept instead and its wait times out; the
// test lets the held ones finish late with finish_held_workers().
void hold_workers(bool on);
int finish_held_workers();  // how many ran

// --- Message boxes -----------------------------------------------------------------
struct Message {
  std::string text, title;
  ui::Buttons buttons;
};
const std::vector<Message>& messages();
// The answer to the next message box (Ok when none is queued).
void answer_next(ui::Answer a);

// --- File dialogs ------------------------------------------------------------------
// What the user chooses in the next file dialog: a path, or "" to cancel
// (which is also the answer when none is queued).
void answer_next_file_dialog(std::string path);
struct FileDialogShown {
  bool save;
  ui::FileDialog dialog;
  ui::Window owner;
};
const std::vector<FileDialogShown>& file_dialogs_shown();

// --- Shell and registry -------------------------------------------------------------
// Shortcuts are files whose link data stays in memory: what the program wrote
// at this path, while the file is there (nothing for any other file).
std::optional<sys::Shortcut> shortcut(std::string_view link_path);
// Folders and addresses opened through the shell, in order.
const std::vector<std::string>& shell_opened();
struct ShellNotice {
  sys::ShellChange change;
  std::string path;
  bool operator==(const ShellNotice&) const = default;
};
const std::vector<ShellNotice>& shell_notices();
// Values of HKEY_LOCAL_MACHINE's Run key; while denied, deleting one fails.
void set_run_value(const std::string& name);
bool run_value_exists(const std::string& name);
void deny_registry_writes(bool on);

// --- What the program did -------------------------------------------------------------
std::optional<int> exit_code();
struct TrayIcon {
  bool present = false;
  ui::Icon icon = ui::Icon::Program;
  std::string tip;
};
TrayIcon tray_icon(ui::Window w);
// The control whose drag was started last (its design name; "" for none; the
// window's name for a window drag).
std::string last_drag();
std::string font_face(ui::Control c);
std::string tooltip(ui::Control c);
int brought_to_front(ui::Window w);   // how often
int set_text_count(ui::Control c);    // how often the text was replaced
bool scrolled_to_end(ui::Control c);  // caret at the end after the last replace
std::string date_format(ui::Control date_box);
int opacity(ui::Window w);  // 0..255
bool is_topmost(ui::Window w);
std::optional<ui::Colour> background(ui::Window w);
std::optional<ui::Colour> background(ui::Control label);
// Balloon tips shown, in order.
struct Balloon {
  ui::Window window;
  ui::Point at;
  std::string text;
};
const std::vector<Balloon>& balloons();
// The file an HTML view shows; a click on a link that opens a new window there.
std::string shown_file(ui::Control html_view);
void follow_new_window_link(ui::Control html_view, std::string_view url);
// The owner of each message box shown, in order.
const std::vector<ui::Window>& message_owners();

}  // namespace orvane::memory

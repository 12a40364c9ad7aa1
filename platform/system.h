// Files, INI profile strings, folders, shell, registry, sound, HTTP, random
// numbers. Paths are UTF-8 with "\" between their parts; file contents are
// bytes (GBK where they are texts).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orvane::sys {

// --- The running program --------------------------------------------------
std::string executable_path();  // full path of the executable
std::string directory_of(std::string_view path);
std::string file_name_of(std::string_view path);

// --- Files ---------------------------------------------------------------------
bool file_exists(std::string_view path);
// The whole file; nothing when it is missing or unreadable.
std::optional<std::string> read_file(std::string_view path);
bool write_file(std::string_view path, std::string_view bytes);
// Writes the bytes to a temporary file beside the target, then replaces the
// target with it in one step, keeping the target's attributes. A read-only
// target is not replaced. On failure the target is left as it was.
bool replace_file(std::string_view path, std::string_view bytes);
bool copy_file(std::string_view from, std::string_view to);
// True when both paths name one existing file, however each is spelled
// (letter case, "." and "..", short names, links to the same file).
bool same_file(std::string_view a, std::string_view b);
bool delete_file(std::string_view path);
bool create_folder(std::string_view path);

// --- INI files (profile strings); texts are UTF-8, stored as GBK ------------------
// A value never carries a line break into the file: every CR, LF or CR LF
// becomes one space, so a pasted multi-line text cannot break the file.
std::string ini_value_text(std::string_view value);
std::string ini_read(std::string_view path, std::string_view section, std::string_view key,
                     std::string_view default_value);
bool ini_write(std::string_view path, std::string_view section, std::string_view key, std::string_view value);

// --- Shell --------------------------------------------------------------------
enum class Folder { Startup, Desktop };  // the current user's
// Empty when the system has no such folder.
std::string special_folder(Folder f);
// A shell link (.lnk file) to a program; no arguments, working folder or icon.
struct Shortcut {
  std::string target;
  std::string description;   // none when empty
  bool show_normal = false;  // sets the window state "normal"; else left unset
};
// Writes the link file, replacing one of that name.
bool create_shortcut(std::string_view link_path, const Shortcut& link);
// The target path stored in a link file; nothing when it cannot be read.
std::optional<std::string> shortcut_target(std::string_view link_path);
bool shell_open(std::string_view what);  // a folder or a web address
// Starts a program from a command line with a normal window, without waiting
// for it to end (only up to 1000 ms for it to become ready for input).
bool start_process(std::string_view command_line);
// Tells the shell of a change, so that its windows show it at once.
enum class ShellChange { FileCreated, FolderChanged };
void notify_shell(ShellChange change, std::string_view path);
bool set_clipboard_text(std::string_view text);

// --- Registry -------------------------------------------------------------------
// A text value under HKEY_LOCAL_MACHINE ("" names the key's unnamed value);
// nothing when it cannot be read.
std::optional<std::string> registry_read_local_machine(std::string_view key, std::string_view value_name);
// Deletes a value of HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Run;
// false when it was not there or could not be deleted.
bool registry_delete_run_value(std::string_view value_name);

// --- Sound, network --------------------------------------------------------------
// Starts playing a WAVE file held in memory and returns at once; the bytes
// must stay in place until the sound has ended or been stopped.
void play_wave_async(std::string_view wave_bytes);
// Stops the sound the program is playing, if any.
void stop_sound();
// The body of an HTTP GET, whatever the status; nothing when the request
// fails or the body would exceed max_bytes. No cache, no user interface, the
// system's proxy settings. Safe to call from a worker thread.
std::optional<std::string> http_get(std::string_view url, std::size_t max_bytes);

// --- Worker threads ----------------------------------------------------------------
// Runs work on a new thread and waits for it at most timeout_ms while the
// window events go on being handled; true when it ended in time. False also
// when the program was told to quit during the wait. A late worker runs on
// and must touch only what it owns.
bool run_worker(std::function<void()> work, int timeout_ms);

// --- Random numbers, ticks ---------------------------------------------------------
std::uint32_t tick_count();
void seed_random(std::uint32_t seed);
int random_int(int low, int high);  // both ends included

}  // namespace orvane::sys

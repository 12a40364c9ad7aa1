// Test harness for the end-to-end tests: runs the real Orvane.exe in a fresh
// directory, finds its windows and reads them with real window messages.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The main window's control, timer and command numbers, as the program has them.
#include "app/main_window_design.h"

namespace orvane::e2e {

using app::MainCommand;
using enum app::MainControl;
using enum app::MainTimer;

using Millis = std::chrono::milliseconds;
inline constexpr Millis kDefaultTimeout{20000};

inline constexpr std::string_view kMainCaption = "Kelu软件之倒计时牌 v1.11";
inline constexpr std::string_view kProductName = "Kelu软件之倒计时牌";

// --- texts -----------------------------------------------------------------

// The default event list as the program must write it, spelled out here
// rather than taken from the program's own constant.
inline constexpr std::string_view kDefaultList =
    "2040年11月27日/Dorsan百岁诞辰纪念日\r\n"
    ";2012年1月1日/世界末日\r\n"
    "2030年1月2日3时4分5秒/完整格式示例";

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);
// GBK (code page 936) through the system's tables. utf8_to_gbk throws when a
// character has no GBK form.
std::string utf8_to_gbk(std::string_view utf8);
std::string gbk_to_utf8(std::string_view gbk);
// Splits at every "\r\n"; a text without one is a single line.
std::vector<std::string> split_lines(std::string_view text);

// --- environment -----------------------------------------------------------

// A path handed over from the Linux side: "/x/y" becomes "Z:\x\y" (Wine maps
// Z: to /); a Windows path stays as it is.
std::filesystem::path host_path(std::string_view path);
// The program under test: $ORVANE_EXE.
std::filesystem::path orvane_exe();
// Where screenshots go: $ORVANE_SCREENSHOTS, else the current directory.
std::filesystem::path screenshot_dir();
// "Suite.Name" of the running GoogleTest case.
std::string current_test_name();

// Polls cond every poll until it holds or timeout has passed; true when it held.
bool wait_until(const std::function<bool()>& cond, Millis timeout = kDefaultTimeout,
                Millis poll = Millis{50});

// --- files -----------------------------------------------------------------

// A fresh, empty directory for one run, below $ORVANE_E2E_WORK (or the temp
// folder). It is emptied when made and kept afterwards for inspection.
class RunDir {
 public:
  explicit RunDir(std::string_view name);

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path file(std::string_view name) const;
  bool exists(std::string_view name) const;
  std::optional<std::string> read(std::string_view name) const;  // the bytes
  void write(std::string_view name, std::string_view bytes) const;
  // Copies Orvane.exe into the directory under the given name.
  std::filesystem::path install_exe(std::string_view exe_name = "Orvane.exe") const;
  // One key of an INI file in the directory (GetPrivateProfileString).
  std::string ini_value(std::string_view ini, std::string_view section, std::string_view key,
                        std::string_view fallback = "") const;

 private:
  std::filesystem::path path_;
};

// --- processes ---------------------------------------------------------------

// A started program. Ended (TerminateProcess) at destruction if still running.
class Process {
 public:
  Process() = default;
  static Process start(const std::filesystem::path& exe, const std::filesystem::path& work_dir);
  ~Process();
  Process(Process&& other) noexcept;
  Process& operator=(Process&& other) noexcept;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  DWORD id() const { return id_; }
  bool running() const;
  // The exit code once the program has ended, nothing while it runs.
  std::optional<DWORD> exit_code() const;
  std::optional<DWORD> wait_exit(Millis timeout);
  // Ends the program if it still runs and returns its exit code (kKilled when
  // it had to be ended here).
  DWORD stop();
  static constexpr DWORD kKilled = 0xDEAD;

 private:
  HANDLE process_ = nullptr;
  HANDLE thread_ = nullptr;
  DWORD id_ = 0;
};

// --- windows -----------------------------------------------------------------

// Top-level windows with exactly this caption; pid 0 means any process.
std::vector<HWND> top_windows(std::string_view caption, DWORD pid = 0);
// Waits for a visible top-level window with this caption; nullptr on timeout.
HWND wait_for_top_window(std::string_view caption, DWORD pid, Millis timeout = kDefaultTimeout);
// Every descendant window of root.
std::vector<HWND> child_windows(HWND root);
// The descendant of root with the control id of this design row (of any
// window's design enum), or nullptr.
HWND find_control_row(HWND root, int row);
template <typename E>
HWND find_control(HWND root, E id) {
  return find_control_row(root, static_cast<int>(id));
}
// Runs a menu command of the main window as choosing its item does (posted).
void post_command(HWND main, app::MainCommand command);
// Posts a timer's tick, as the system does when it falls due.
void post_tick(HWND main, app::MainTimer timer, int count = 1);

std::string window_text(HWND window);  // WM_GETTEXT, as UTF-8
// True once the board box holds a built board (it starts with an event block).
bool shows_board(HWND board);
std::string class_name(HWND window);
bool is_visible(HWND window);      // the window and all its parents shown
RECT window_rect(HWND window);     // screen coordinates
RECT rect_in_parent(HWND window);  // relative to the parent's client area
// Posts the messages, so a handler that opens a modal box does not block the test.
void click_button(HWND button);            // BM_CLICK
void click_at(HWND window, int x, int y);  // left press and release, client coordinates
// Real mouse input: press 40 pixels into the window at mid height, wait (up
// to 5 s) for its thread to enter the system's move loop, move by (dx, dy) in
// steps, release.
void drag(HWND window, int dx, int dy);
// True when the window's thread handles a sent WM_NULL within the timeout:
// everything it was doing before has finished.
bool answers(HWND window, Millis timeout = kDefaultTimeout);
// The visible pop-up menu window ("#32768") of the process, or nullptr; the
// second waits up to 10 s for one to appear.
HWND popup_menu(DWORD pid);
HWND wait_for_popup_menu(DWORD pid);

// Writes the screen (window nullptr) or the window's screen area as PNG to
// screenshot_dir()/<name>.png and returns the file's path.
std::filesystem::path screenshot(std::string_view name, HWND window = nullptr);

// --- one program run -----------------------------------------------------------

// Orvane.exe copied into a fresh run directory named after the current test.
// At the end the program is ended; when the test failed, a screenshot of the
// screen is written first.
class OrvaneRun {
 public:
  explicit OrvaneRun(std::string_view exe_name = "Orvane.exe");
  ~OrvaneRun();
  OrvaneRun(const OrvaneRun&) = delete;
  OrvaneRun& operator=(const OrvaneRun&) = delete;

  RunDir& dir() { return dir_; }
  Process& process() { return process_; }
  void start();
  // The visible main window, found by its caption; nullptr (and a test
  // failure) when it does not appear in time.
  HWND main_window(Millis timeout = kDefaultTimeout);
  // The main window's control of this design row; nullptr (and a failure)
  // when it does not appear in time.
  HWND control(app::MainControl id, Millis timeout = kDefaultTimeout);

 private:
  std::string exe_name_;
  RunDir dir_;
  Process process_;
  HWND main_ = nullptr;
};

// Writes 24-bit RGB rows (top row first) as a PNG file.
bool write_png(const std::filesystem::path& file, int width, int height,
               const std::vector<std::uint8_t>& rgb);

}  // namespace orvane::e2e

#include "tests/e2e/harness.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <system_error>
#include <thread>
#include <utility>

namespace fs = std::filesystem;

namespace orvane::e2e {
namespace {

constexpr UINT kGbk = 936;
constexpr UINT kMessageTimeoutMs = 5000;

std::wstring to_wide(UINT code_page, DWORD flags, std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int n = MultiByteToWideChar(code_page, flags, bytes.data(), size, nullptr, 0);
  if (n <= 0) throw std::runtime_error("text conversion to UTF-16 failed");
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(code_page, flags, bytes.data(), size, out.data(), n);
  return out;
}

std::string from_wide(UINT code_page, std::wstring_view text, BOOL* used_default) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const DWORD flags = code_page == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
  const int n = WideCharToMultiByte(code_page, flags, text.data(), size, nullptr, 0, nullptr, used_default);
  if (n <= 0) throw std::runtime_error("text conversion from UTF-16 failed");
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(code_page, flags, text.data(), size, out.data(), n, nullptr, used_default);
  return out;
}

std::optional<std::wstring> env(const wchar_t* name) {
  const DWORD n = GetEnvironmentVariableW(name, nullptr, 0);
  if (n == 0) return std::nullopt;
  std::wstring value(n, L'\0');
  const DWORD got = GetEnvironmentVariableW(name, value.data(), n);
  value.resize(got);
  if (value.empty()) return std::nullopt;
  return value;
}

std::string sanitized(std::string name) {
  for (char& c : name) {
    if (c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' || c == '>' ||
        c == '|')
      c = '_';
  }
  return name;
}

struct DcReleaser {
  void operator()(HDC dc) const { ReleaseDC(nullptr, dc); }
};
struct DcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
struct ObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using ScreenDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcReleaser>;
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;
using GdiObject = std::unique_ptr<std::remove_pointer_t<HGDIOBJ>, ObjectDeleter>;

// Keeps a GDI object selected into a DC for one scope.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, old_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace

// --- texts -----------------------------------------------------------------

std::wstring widen(std::string_view utf8) { return to_wide(CP_UTF8, 0, utf8); }

std::string narrow(std::wstring_view utf16) { return from_wide(CP_UTF8, utf16, nullptr); }

std::string utf8_to_gbk(std::string_view utf8) {
  BOOL used_default = FALSE;
  std::string out = from_wide(kGbk, widen(utf8), &used_default);
  if (used_default) throw std::runtime_error("text has no GBK form: " + std::string(utf8));
  return out;
}

std::string gbk_to_utf8(std::string_view gbk) { return narrow(to_wide(kGbk, 0, gbk)); }

std::vector<std::string> split_lines(std::string_view text) {
  std::vector<std::string> lines;
  for (;;) {
    const std::size_t end = text.find("\r\n");
    lines.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) return lines;
    text.remove_prefix(end + 2);
  }
}

// --- environment -----------------------------------------------------------

fs::path host_path(std::string_view path) {
  std::wstring w = widen(path);
  if (!w.empty() && w.front() == L'/') {
    for (wchar_t& c : w) {
      if (c == L'/') c = L'\\';
    }
    w.insert(0, L"Z:");
  }
  return fs::path(w);
}

fs::path orvane_exe() {
  const auto value = env(L"ORVANE_EXE");
  if (!value) throw std::runtime_error("ORVANE_EXE is not set: the path of Orvane.exe to test");
  return host_path(narrow(*value));
}

fs::path screenshot_dir() {
  const auto value = env(L"ORVANE_SCREENSHOTS");
  return value ? host_path(narrow(*value)) : fs::current_path();
}

std::string current_test_name() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  if (info == nullptr) return "no-test";
  return std::string(info->test_suite_name()) + "." + info->name();
}

bool wait_until(const std::function<bool()>& cond, Millis timeout, Millis poll) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (cond()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(poll);
  }
}

// --- files -----------------------------------------------------------------

RunDir::RunDir(std::string_view name) {
  fs::path base;
  if (const auto value = env(L"ORVANE_E2E_WORK")) {
    base = host_path(narrow(*value));
  } else {
    base = fs::temp_directory_path() / L"orvane-e2e";
  }
  path_ = base / widen(sanitized(std::string(name)));
  std::error_code ec;
  fs::remove_all(path_, ec);
  fs::create_directories(path_);
}

fs::path RunDir::file(std::string_view name) const { return path_ / widen(name); }

bool RunDir::exists(std::string_view name) const {
  std::error_code ec;
  return fs::exists(file(name), ec);
}

std::optional<std::string> RunDir::read(std::string_view name) const {
  std::ifstream in(file(name), std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void RunDir::write(std::string_view name, std::string_view bytes) const {
  std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + std::string(name));
}

fs::path RunDir::install_exe(std::string_view exe_name) const {
  const fs::path target = file(exe_name);
  const fs::path source = orvane_exe();
  if (!CopyFileW(source.c_str(), target.c_str(), FALSE)) {
    throw std::runtime_error("cannot copy " + narrow(source.wstring()) + " to " + narrow(target.wstring()));
  }
  return target;
}

std::string RunDir::ini_value(std::string_view ini, std::string_view section, std::string_view key,
                              std::string_view fallback) const {
  std::wstring buffer(4096, L'\0');
  const DWORD n =
      GetPrivateProfileStringW(widen(section).c_str(), widen(key).c_str(), widen(fallback).c_str(),
                               buffer.data(), static_cast<DWORD>(buffer.size()), file(ini).c_str());
  buffer.resize(n);
  return narrow(buffer);
}

// --- processes ---------------------------------------------------------------

Process Process::start(const fs::path& exe, const fs::path& work_dir) {
  std::wstring command = L"\"" + exe.wstring() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, work_dir.c_str(),
                      &startup, &info)) {
    throw std::runtime_error("cannot start " + narrow(exe.wstring()) + " (error " +
                             std::to_string(GetLastError()) + ")");
  }
  Process p;
  p.process_ = info.hProcess;
  p.thread_ = info.hThread;
  p.id_ = info.dwProcessId;
  return p;
}

Process::~Process() {
  if (process_ != nullptr) stop();
  if (thread_ != nullptr) CloseHandle(thread_);
  if (process_ != nullptr) CloseHandle(process_);
}

Process::Process(Process&& other) noexcept
    : process_(std::exchange(other.process_, nullptr)),
      thread_(std::exchange(other.thread_, nullptr)),
      id_(std::exchange(other.id_, 0)) {}

Process& Process::operator=(Process&& other) noexcept {
  if (this != &other) {
    Process old(std::move(*this));
    process_ = std::exchange(other.process_, nullptr);
    thread_ = std::exchange(other.thread_, nullptr);
    id_ = std::exchange(other.id_, 0);
  }
  return *this;
}

bool Process::running() const {
  return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Process::exit_code() const {
  if (process_ == nullptr || running()) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return code;
}

std::optional<DWORD> Process::wait_exit(Millis timeout) {
  if (process_ == nullptr) return std::nullopt;
  WaitForSingleObject(process_, static_cast<DWORD>(timeout.count()));
  return exit_code();
}

DWORD Process::stop() {
  if (process_ == nullptr) return 0;
  if (running()) {
    TerminateProcess(process_, kKilled);
    WaitForSingleObject(process_, 10000);
  }
  return exit_code().value_or(kKilled);
}

// --- windows -----------------------------------------------------------------

namespace {

struct CaptionSearch {
  std::wstring caption;
  DWORD pid;
  std::vector<HWND> found;
};

BOOL CALLBACK collect_captioned(HWND window, LPARAM param) {
  auto& s = *reinterpret_cast<CaptionSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (s.pid != 0 && owner != s.pid) return TRUE;
  const int n = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), n + 1)));
  if (text == s.caption) s.found.push_back(window);
  return TRUE;
}

BOOL CALLBACK collect_child(HWND window, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> top_windows(std::string_view caption, DWORD pid) {
  CaptionSearch search{widen(caption), pid, {}};
  EnumWindows(collect_captioned, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND wait_for_top_window(std::string_view caption, DWORD pid, Millis timeout) {
  HWND found = nullptr;
  wait_until(
      [&] {
        for (HWND w : top_windows(caption, pid)) {
          if (IsWindowVisible(w)) {
            found = w;
            return true;
          }
        }
        return false;
      },
      timeout);
  return found;
}

std::vector<HWND> child_windows(HWND root) {
  std::vector<HWND> found;
  EnumChildWindows(root, collect_child, reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND find_control_row(HWND root, int row) {
  const int wanted = ui::kFirstControlId + row;
  for (HWND w : child_windows(root))
    if (GetDlgCtrlID(w) == wanted) return w;
  return nullptr;
}

void post_command(HWND main, app::MainCommand command) {
  PostMessageW(main, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(command), 0), 0);
}

void post_tick(HWND main, app::MainTimer timer, int count) {
  for (int i = 0; i < count; ++i) PostMessageW(main, WM_TIMER, static_cast<WPARAM>(timer) + 1, 0);
}

std::string window_text(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &length)) {
    throw std::runtime_error("window does not answer WM_GETTEXTLENGTH");
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, kMessageTimeoutMs, &copied)) {
    throw std::runtime_error("window does not answer WM_GETTEXT");
  }
  text.resize(copied);
  return narrow(text);
}

std::string class_name(HWND window) {
  wchar_t name[256];
  const int n = GetClassNameW(window, name, 256);
  return narrow(std::wstring_view(name, static_cast<std::size_t>(n > 0 ? n : 0)));
}

bool is_visible(HWND window) { return IsWindowVisible(window) != FALSE; }

RECT window_rect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

RECT rect_in_parent(HWND window) {
  RECT r = window_rect(window);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void click_button(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

void click_at(HWND window, int x, int y) {
  const LPARAM at = MAKELPARAM(x, y);
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(window, WM_LBUTTONUP, 0, at);
}

bool shows_board(HWND board) { return window_text(board).rfind("距离：", 0) == 0; }

HWND popup_menu(DWORD pid) {
  HWND found = nullptr;
  for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == pid && IsWindowVisible(w) && class_name(w) == "#32768") found = w;
  }
  return found;
}

HWND wait_for_popup_menu(DWORD pid) {
  HWND menu = nullptr;
  wait_until([&] { return (menu = popup_menu(pid)) != nullptr; }, Millis{10000});
  return menu;
}

bool answers(HWND window, Millis timeout) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(timeout.count()),
                             &result) != 0;
}

void drag(HWND window, int dx, int dy) {
  const RECT r = window_rect(window);
  const int x = r.left + 40, y = (r.top + r.bottom) / 2;
  SetCursorPos(x, y);
  Sleep(200);
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  SendInput(1, &in, sizeof in);
  // Moves made before the window's thread has entered its move loop would be
  // lost or start the move elsewhere.
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  wait_until(
      [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(thread, &info) && (info.flags & GUI_INMOVESIZE) != 0;
      },
      Millis{5000}, Millis{20});
  Sleep(100);
  for (int i = 1; i <= 10; ++i) {
    SetCursorPos(x + dx * i / 10, y + dy * i / 10);
    in.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &in, sizeof in);
    Sleep(50);
  }
  in.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(1, &in, sizeof in);
  Sleep(300);
}

namespace {

BOOL CALLBACK collect_visible_top(HWND window, LPARAM param) {
  if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  return TRUE;
}

bool has_pending_paint(HWND window) {
  if (GetUpdateRect(window, nullptr, FALSE)) return true;
  for (HWND child : child_windows(window)) {
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) return true;
  }
  return false;
}

// Has the windows repaint themselves and waits until they have, so that a
// capture does not catch a window shown but not yet drawn.
void repaint(const std::vector<HWND>& windows) {
  for (HWND w : windows) {
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  wait_until(
      [&] {
        for (HWND w : windows) {
          if (IsWindow(w) && has_pending_paint(w)) return false;
        }
        return true;
      },
      Millis{3000}, Millis{20});
  std::this_thread::sleep_for(Millis{100});  // the X server shows what was drawn
}

}  // namespace

fs::path screenshot(std::string_view name, HWND window) {
  std::vector<HWND> shown;
  if (window != nullptr) {
    shown.push_back(window);
  } else {
    EnumWindows(collect_visible_top, reinterpret_cast<LPARAM>(&shown));
  }
  repaint(shown);

  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (window != nullptr) area = window_rect(window);
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) throw std::runtime_error("nothing to capture");

  ScreenDc screen(GetDC(nullptr));
  MemoryDc memory(CreateCompatibleDC(screen.get()));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  GdiObject bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || bits == nullptr) throw std::runtime_error("cannot create the capture bitmap");
  {
    Selection selected(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY | CAPTUREBLT);
  }
  GdiFlush();

  const auto* bgra = static_cast<const std::uint8_t*>(bits);
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
  for (std::size_t i = 0, n = static_cast<std::size_t>(width) * static_cast<std::size_t>(height); i < n;
       ++i) {
    rgb[i * 3] = bgra[i * 4 + 2];
    rgb[i * 3 + 1] = bgra[i * 4 + 1];
    rgb[i * 3 + 2] = bgra[i * 4];
  }
  const fs::path dir = screenshot_dir();
  fs::create_directories(dir);
  const fs::path file = dir / widen(sanitized(std::string(name)) + ".png");
  if (!write_png(file, width, height, rgb))
    throw std::runtime_error("cannot write " + narrow(file.wstring()));
  return file;
}

// --- one program run -----------------------------------------------------------

OrvaneRun::OrvaneRun(std::string_view exe_name) : exe_name_(exe_name), dir_(current_test_name()) {}

OrvaneRun::~OrvaneRun() {
  if (process_.running() && ::testing::Test::HasFailure()) {
    try {
      std::printf("screenshot: %s\n", narrow(screenshot(current_test_name() + ".failure").wstring()).c_str());
    } catch (const std::exception& e) {
      std::printf("no screenshot: %s\n", e.what());
    }
  }
  const DWORD code = process_.stop();
  if (code != Process::kKilled) std::printf("%s ended with exit code %lu\n", exe_name_.c_str(), code);
}

void OrvaneRun::start() {
  const fs::path exe = dir_.install_exe(exe_name_);
  process_ = Process::start(exe, dir_.path());
}

HWND OrvaneRun::main_window(Millis timeout) {
  if (main_ == nullptr || !IsWindow(main_)) {
    main_ = wait_for_top_window(kMainCaption, process_.id(), timeout);
    EXPECT_NE(main_, nullptr) << "no visible main window captioned " << kMainCaption;
  }
  return main_;
}

HWND OrvaneRun::control(app::MainControl id, Millis timeout) {
  HWND main = main_window(timeout);
  if (main == nullptr) return nullptr;
  HWND found = nullptr;
  wait_until([&] { return (found = find_control(main, id)) != nullptr; }, timeout);
  EXPECT_NE(found, nullptr) << "the main window has no control " << static_cast<int>(id);
  return found;
}

}  // namespace orvane::e2e

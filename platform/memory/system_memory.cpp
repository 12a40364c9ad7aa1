// Real files under host paths; everything else kept in memory for tests.
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <sstream>
#include <system_error>
#include <vector>

#include "platform/memory/memory_backend.h"
#include "platform/memory/memory_state.h"
#include "platform/system.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

struct State {
  std::string executable = "/tmp/Orvane.exe";
  std::map<sys::Folder, std::string> folders;
  std::uint32_t ticks = 0;
  bool fail_writes = false;
  std::mt19937 random;
  memory::SoundLog sound;
  bool hold_workers = false;
  std::vector<std::function<void()>> held;
  std::map<std::pair<std::string, std::string>, std::string> registry;
  std::vector<std::string> started;
  bool fail_starts = false;
  std::string clipboard;
  std::map<std::string, std::optional<std::string>> pages;
  std::map<std::string, int> requests;
  std::function<void()> during_request;
};

State& st() {
  static State s;
  return s;
}

bool equal_no_case(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

fs::path host(std::string_view program_path) { return fs::path(memory::host_path(program_path)); }

}  // namespace

namespace memory {

void reset_system() {
  st() = State{};
  st().random.seed(0);
}

void reset() {
  reset_ui();
  reset_system();
  reset_shell();
  reset_file_dialogs();
}

void set_executable_path(const std::string& path) { st().executable = path; }
void set_special_folder(sys::Folder f, const std::string& path) { st().folders[f] = path; }
void set_tick_count(std::uint32_t ticks) { st().ticks = ticks; }
void fail_file_writes(bool on) { st().fail_writes = on; }
void hold_workers(bool on) { st().hold_workers = on; }
int finish_held_workers() {
  auto held = std::move(st().held);
  st().held.clear();
  for (auto& work : held) work();
  return static_cast<int>(held.size());
}
const SoundLog& sound_log() { return st().sound; }
void set_registry_value(const std::string& key, const std::string& value_name, const std::string& text) {
  st().registry[{key, value_name}] = text;
}
const std::vector<std::string>& started_processes() { return st().started; }
void fail_process_starts(bool on) { st().fail_starts = on; }
std::string clipboard_text() { return st().clipboard; }
void serve_page(const std::string& url, std::optional<std::string> body) {
  st().pages[url] = std::move(body);
}
void during_requests(std::function<void()> events) { st().during_request = std::move(events); }
int page_requests(const std::string& url) {
  auto it = st().requests.find(url);
  return it == st().requests.end() ? 0 : it->second;
}

std::string host_path(std::string_view program_path) {
  std::string p(program_path);
  std::replace(p.begin(), p.end(), '\\', '/');
  return p;
}

}  // namespace memory

namespace sys {

// The file name as stored in its folder, found whatever the letter case of
// the launch path.
std::string executable_path() {
  const fs::path launched(st().executable);
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(launched.parent_path(), ec)) {
    const std::string name = entry.path().filename().string();
    if (equal_no_case(name, launched.filename().string())) return (launched.parent_path() / name).string();
  }
  return st().executable;
}

bool file_exists(std::string_view path) {
  std::error_code ec;
  return fs::is_regular_file(host(path), ec);
}

std::optional<std::string> read_file(std::string_view path) {
  std::ifstream in(host(path), std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream out;
  out << in.rdbuf();
  return std::move(out).str();
}

bool write_file(std::string_view path, std::string_view bytes) {
  if (st().fail_writes) return false;
  std::ofstream out(host(path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return !out.fail();
}

bool replace_file(std::string_view path, std::string_view bytes) {
  if (st().fail_writes) return false;
  std::error_code ec0;
  // A read-only file is the user's word (also for a test run as root).
  const auto status = fs::status(host(path), ec0);
  if (!ec0 && fs::exists(status) && (status.permissions() & fs::perms::owner_write) == fs::perms::none)
    return false;
  const std::string temp = std::string(path) + ".new";
  if (!write_file(temp, bytes)) return false;
  std::error_code ec;
  fs::rename(host(temp), host(path), ec);
  if (ec) fs::remove(host(temp), ec);
  return !ec;
}

bool copy_file(std::string_view from, std::string_view to) {
  if (st().fail_writes) return false;
  std::error_code ec;
  return fs::copy_file(host(from), host(to), fs::copy_options::overwrite_existing, ec);
}

bool same_file(std::string_view a, std::string_view b) {
  std::error_code ec;
  return file_exists(a) && file_exists(b) && fs::equivalent(host(a), host(b), ec);
}

bool delete_file(std::string_view path) {
  if (st().fail_writes) return false;
  std::error_code ec;
  return fs::remove(host(path), ec);
}

bool create_folder(std::string_view path) {
  std::error_code ec;
  fs::create_directory(host(path), ec);
  return fs::is_directory(host(path), ec);
}

std::string special_folder(Folder f) {
  auto it = st().folders.find(f);
  return it == st().folders.end() ? std::string() : it->second;
}

// Shortcuts, the shell and the Run key: shell_memory.cpp.
// A line that names no program fails, as CreateProcess does.
bool start_process(std::string_view command_line) {
  if (st().fail_starts || command_line.empty() || command_line.front() == ' ') return false;
  st().started.emplace_back(command_line);
  return true;
}
bool set_clipboard_text(std::string_view text) {
  st().clipboard = text;
  return true;
}
// Key names are case-insensitive, as in the registry.
std::optional<std::string> registry_read_local_machine(std::string_view key, std::string_view value_name) {
  for (const auto& [name, text] : st().registry)
    if (equal_no_case(name.first, key) && equal_no_case(name.second, value_name)) return text;
  return std::nullopt;
}
void play_wave_async(std::string_view wave_bytes) {
  memory::SoundLog& s = st().sound;
  ++s.plays;
  s.playing = true;
  s.last_wave = wave_bytes;
}
void stop_sound() {
  memory::SoundLog& s = st().sound;
  ++s.stops;
  s.playing = false;
}
std::optional<std::string> http_get(std::string_view url, std::size_t max_bytes) {
  const std::string address(url);
  ++st().requests[address];
  if (st().during_request) st().during_request();
  auto it = st().pages.find(address);
  if (it == st().pages.end() || !it->second || it->second->size() > max_bytes) return std::nullopt;
  return it->second;
}

bool run_worker(std::function<void()> work, int) {
  if (st().hold_workers) {
    st().held.push_back(std::move(work));
    return false;
  }
  work();
  return true;
}

std::uint32_t tick_count() { return st().ticks; }
void seed_random(std::uint32_t seed) { st().random.seed(seed); }
int random_int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(st().random); }

}  // namespace sys
}  // namespace orvane

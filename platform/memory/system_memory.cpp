// Real files under host paths; INI files with the rules of the Windows
// profile-string operations; everything else kept in memory for tests.
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <system_error>

#include "core/text_codec.h"
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
};

State& st() {
  static State s;
  return s;
}

fs::path host(std::string_view program_path) { return fs::path(memory::host_path(program_path)); }

bool equal_no_case(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

std::vector<std::string> ini_lines(std::string_view path) {
  std::vector<std::string> lines;
  const auto bytes = sys::read_file(path);
  if (!bytes) return lines;
  const std::string text = gbk_to_utf8(*bytes);
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t end = text.find('\n', i);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(i, end - i);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    i = end + 1;
  }
  return lines;
}

std::optional<std::string_view> section_name(std::string_view line) {
  line = trim(line);
  if (line.size() < 2 || line.front() != '[') return std::nullopt;
  const auto close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return trim(line.substr(1, close - 1));
}

// The key of a "key=value" line, or nothing.
std::optional<std::string_view> key_of(std::string_view line) {
  const auto eq = line.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return trim(line.substr(0, eq));
}

}  // namespace

namespace memory {

void reset_system() {
  st() = State{};
  st().random.seed(0);
}

void reset() {
  reset_ui();
  reset_system();
}

void set_executable_path(const std::string& path) { st().executable = path; }
void set_special_folder(sys::Folder f, const std::string& path) { st().folders[f] = path; }
void set_tick_count(std::uint32_t ticks) { st().ticks = ticks; }
void fail_file_writes(bool on) { st().fail_writes = on; }
const SoundLog& sound_log() { return st().sound; }

std::string host_path(std::string_view program_path) {
  std::string p(program_path);
  std::replace(p.begin(), p.end(), '\\', '/');
  return p;
}

}  // namespace memory

namespace sys {

std::string executable_path() { return st().executable; }

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

bool delete_file(std::string_view path) {
  std::error_code ec;
  return fs::remove(host(path), ec);
}

bool create_folder(std::string_view path) {
  std::error_code ec;
  fs::create_directory(host(path), ec);
  return fs::is_directory(host(path), ec);
}

std::string ini_read(std::string_view path, std::string_view section, std::string_view key,
                     std::string_view default_value) {
  bool in_section = false;
  for (const std::string& line : ini_lines(path)) {
    if (auto name = section_name(line)) {
      in_section = equal_no_case(*name, section);
    } else if (in_section) {
      if (auto k = key_of(line); k && equal_no_case(*k, key))
        return std::string(trim(line.substr(line.find('=') + 1)));
    }
  }
  return std::string(default_value);
}

bool ini_write(std::string_view path, std::string_view section, std::string_view key,
               std::string_view value) {
  std::vector<std::string> lines = ini_lines(path);
  const std::string entry = std::string(key) + "=" + ini_value_text(value);
  std::optional<std::size_t> section_at;
  std::size_t insert_at = 0;
  bool replaced = false;
  for (std::size_t i = 0; i < lines.size() && !replaced; ++i) {
    if (auto name = section_name(lines[i])) {
      if (section_at) break;  // past the end of the section
      if (equal_no_case(*name, section)) section_at = i, insert_at = i + 1;
    } else if (section_at) {
      if (auto k = key_of(lines[i]); k && equal_no_case(*k, key)) {
        lines[i] = entry;
        replaced = true;
      } else if (!trim(lines[i]).empty()) {
        insert_at = i + 1;
      }
    }
  }
  if (!replaced && section_at) {
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insert_at), entry);
  } else if (!replaced) {
    std::string header(1, '[');
    header.append(section).push_back(']');
    lines.push_back(std::move(header));
    lines.push_back(entry);
  }
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  const auto gbk = utf8_to_gbk(text);
  return gbk && write_file(path, *gbk);
}

std::string special_folder(Folder f) {
  auto it = st().folders.find(f);
  return it == st().folders.end() ? std::string() : it->second;
}

bool create_shortcut(std::string_view link_path, std::string_view target) {
  return write_file(link_path, target);
}
std::string shortcut_target(std::string_view link_path) { return read_file(link_path).value_or(""); }
bool shell_open(std::string_view) { return true; }
bool start_process(std::string_view) { return true; }
void notify_shell_of_change(std::string_view) {}
bool set_clipboard_text(std::string_view) { return true; }
std::string registry_read_local_machine(std::string_view, std::string_view) { return {}; }
bool registry_delete_run_value(std::string_view) { return true; }
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
std::optional<std::string> http_get(std::string_view) { return std::nullopt; }

std::uint32_t tick_count() { return st().ticks; }
void seed_random(std::uint32_t seed) { st().random.seed(seed); }
int random_int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(st().random); }

}  // namespace sys
}  // namespace orvane

// Shortcuts, shell windows and notices, and the Run key, kept in memory for
// tests. A shortcut is a real file (so that it exists, can be deleted and
// makes writing into a missing folder fail) whose link data is held here.
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/memory/memory_backend.h"
#include "platform/memory/memory_state.h"
#include "platform/system.h"

namespace orvane {
namespace {

struct State {
  std::map<std::string, sys::Shortcut> links;  // by normalised host path
  std::vector<std::string> opened;
  std::vector<memory::ShellNotice> notices;
  std::set<std::string> run_values;
  bool registry_denied = false;
};

State& st() {
  static State s;
  return s;
}

std::string key_of(std::string_view program_path) {
  return std::filesystem::path(memory::host_path(program_path)).lexically_normal().string();
}

}  // namespace

namespace memory {

void reset_shell() { st() = State{}; }

std::optional<sys::Shortcut> shortcut(std::string_view link_path) {
  const auto it = st().links.find(key_of(link_path));
  if (it == st().links.end() || !sys::file_exists(link_path)) return std::nullopt;
  return it->second;
}
const std::vector<std::string>& shell_opened() { return st().opened; }
const std::vector<ShellNotice>& shell_notices() { return st().notices; }
void set_run_value(const std::string& name) { st().run_values.insert(name); }
bool run_value_exists(const std::string& name) { return st().run_values.contains(name); }
void deny_registry_writes(bool on) { st().registry_denied = on; }

}  // namespace memory

namespace sys {

bool create_shortcut(std::string_view link_path, const Shortcut& link) {
  if (!write_file(link_path, "link to " + link.target)) return false;
  st().links[key_of(link_path)] = link;
  return true;
}

std::optional<std::string> shortcut_target(std::string_view link_path) {
  const std::optional<Shortcut> link = memory::shortcut(link_path);
  if (!link) return std::nullopt;
  return link->target;
}

bool shell_open(std::string_view what) {
  st().opened.emplace_back(what);
  return true;
}

void notify_shell(ShellChange change, std::string_view path) {
  st().notices.push_back(memory::ShellNotice{change, std::string(path)});
}

bool registry_delete_run_value(std::string_view value_name) {
  if (st().registry_denied) return false;
  return st().run_values.erase(std::string(value_name)) > 0;
}

}  // namespace sys
}  // namespace orvane

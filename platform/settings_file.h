// One INI file section of settings: config.ini's "general", the search box's
// own file. Switches are "yes" or "no"; only the exact text "yes" is on.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "platform/system.h"

namespace orvane {

class SettingsFile {
 public:
  SettingsFile(std::string path, std::string section) : path_(std::move(path)), section_(std::move(section)) {}

  const std::string& path() const { return path_; }
  bool exists() const { return sys::file_exists(path_); }
  std::string read(std::string_view key, std::string_view default_value) const {
    return sys::ini_read(path_, section_, key, default_value);
  }
  bool read_flag(std::string_view key, std::string_view default_value) const {
    return read(key, default_value) == "yes";
  }
  bool write(std::string_view key, std::string_view value) const {
    return sys::ini_write(path_, section_, key, value);
  }
  bool write_flag(std::string_view key, bool on) const { return write(key, on ? "yes" : "no"); }

 private:
  std::string path_, section_;
};

}  // namespace orvane

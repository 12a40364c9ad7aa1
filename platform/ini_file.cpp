// INI files through the file services of the backend.
#include "platform/ini_text.h"
#include "platform/system.h"

namespace orvane::sys {

std::string ini_read(std::string_view path, std::string_view section, std::string_view key,
                     std::string_view default_value) {
  const auto bytes = read_file(path);
  return ini::read_value(bytes ? std::string_view(*bytes) : std::string_view(), section, key, default_value);
}

bool ini_write(std::string_view path, std::string_view section, std::string_view key,
               std::string_view value) {
  const auto bytes = read_file(path);
  // A file that is there but cannot be read must not be replaced by one key.
  if (!bytes && file_exists(path)) return false;
  return replace_file(path, ini::with_value(bytes.value_or(""), section, key, value));
}

}  // namespace orvane::sys

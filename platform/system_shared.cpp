// The parts of the system services that are the same for both backends.
#include "platform/system.h"

namespace orvane::sys {

std::string directory_of(std::string_view path) {
  const auto cut = path.find_last_of("\\/");
  return std::string(cut == std::string_view::npos ? std::string_view() : path.substr(0, cut));
}

std::string file_name_of(std::string_view path) {
  const auto cut = path.find_last_of("\\/");
  return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string ini_value_text(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\r' || value[i] == '\n') {
      if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n') ++i;
      out += ' ';
    } else {
      out += value[i];
    }
  }
  return out;
}

}  // namespace orvane::sys

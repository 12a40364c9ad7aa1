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

}  // namespace orvane::sys

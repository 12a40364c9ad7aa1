// Shared by both backends.
#include "platform/system.h"

namespace orvane::sys {

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

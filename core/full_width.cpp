#include "core/full_width.h"

namespace orvane {

std::string fold_full_width(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    if (b0 >= 0xE3 && b0 <= 0xEF && i + 2 < text.size()) {
      const auto b1 = static_cast<unsigned char>(text[i + 1]);
      const auto b2 = static_cast<unsigned char>(text[i + 2]);
      if (b0 == 0xE3 && b1 == 0x80 && b2 == 0x80) {  // U+3000
        out += ' ';
        i += 2;
        continue;
      }
      if (b0 == 0xEF && (b1 == 0xBC || b1 == 0xBD)) {
        const unsigned cp = 0xF000u | ((b1 & 0x3Fu) << 6) | (b2 & 0x3Fu);
        if (cp >= 0xFF01 && cp <= 0xFF5E) {
          out += static_cast<char>(cp - 0xFEE0);
          i += 2;
          continue;
        }
      }
    }
    out += static_cast<char>(b0);
  }
  return out;
}

}  // namespace orvane

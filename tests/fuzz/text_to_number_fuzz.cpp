// text_to_number on any text: always a finite number, blind to leading blanks.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/text_to_number.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double value = orvane::text_to_number(text);
  if (!std::isfinite(value)) std::abort();
  const double after_blanks = orvane::text_to_number(" \t\xE3\x80\x80" + std::string(text));
  if (after_blanks != value && !(std::isnan(after_blanks) && std::isnan(value))) std::abort();
  return 0;
}

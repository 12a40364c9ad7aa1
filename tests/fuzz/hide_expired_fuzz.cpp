// Hiding expired events in any editor text, at a clock chosen by the input.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/hide_expired.h"
#include "core/text_codec.h"
#include "tests/fuzz/fuzz_clock.h"

namespace {

// A second run at the same moment changes nothing further.
void check(std::string_view text) {
  const std::string once = orvane::hide_expired_events(text);
  if (orvane::hide_expired_events(once) != once) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = orvane::fuzz::pin_clock(data, size);
  check(text);
  check(orvane::gbk_to_utf8(orvane::cut_at_zero(text)));
  orvane::set_clock_source(nullptr);
  return 0;
}

// parse_date_time on any text, read as UTF-8 and as GBK file bytes.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/date_time.h"
#include "core/text_codec.h"

namespace {

void check(std::string_view text) {
  using namespace orvane;
  const DateTime x = parse_date_time(text);
  if (x == kMinDateTime) return;
  // A parsed date falls on a day of the valid range. Times on the first and
  // last day lie just outside it and are clamped by every operation.
  if (!(std::trunc(x) >= kMinDateTime && std::trunc(x) <= kMaxDateTime)) std::abort();
  if (clamp_date_time(x) != x) return;
  // Otherwise it is a valid moment in whole seconds, and its text reads back as itself.
  if (!is_valid_civil(to_civil(x))) std::abort();
  if (to_date_time(to_civil(x)) != x) std::abort();
  if (parse_date_time(format_date_time(x)) != x) std::abort();
  weekday_name(x);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  check(bytes);
  check(orvane::gbk_to_utf8(orvane::cut_at_zero(bytes)));
  return 0;
}

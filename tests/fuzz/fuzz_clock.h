// The fuzz targets' clock: a valid moment taken from the input's first bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/date_time.h"

namespace orvane::fuzz {

inline constexpr std::size_t kClockBytes = 7;

// Pins the clock to the moment the first kClockBytes of data name and
// returns the rest; a shorter input leaves the clock at 2030-01-02 03:04:15.
inline std::string_view pin_clock(const std::uint8_t* data, std::size_t size) {
  CivilTime now{2030, 1, 2, 3, 4, 15};
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  if (size >= kClockBytes) {
    now.year = 100 + (data[0] << 8 | data[1]) % 9900;
    now.month = 1 + data[2] % 12;
    now.day = 1 + data[3] % days_in_month(now.year, now.month);
    now.hour = data[4] % 24;
    now.minute = data[5] % 60;
    now.second = data[6] % 60;
    rest.remove_prefix(kClockBytes);
  }
  set_clock_source([now] { return now; });
  return rest;
}

}  // namespace orvane::fuzz

// A large, realistic event list for the benchmarks.
#pragma once

#include <cstddef>
#include <string>

#include "core/date_time.h"

namespace orvane::bench {

// The moment every benchmark runs at.
inline constexpr CivilTime kBenchNow{2026, 12, 11, 12, 0, 0};

// An event list of `lines` lines joined by CR LF (UTF-8): full dates, dates
// with times, full-width digits, comments, empty lines, invalid and far-off
// dates, Chinese names. The same seed gives the same list.
std::string sample_event_list(std::size_t lines, unsigned seed = 1);

}  // namespace orvane::bench

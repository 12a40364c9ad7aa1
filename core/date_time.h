// Date-time values: days since 1899-12-30 in the OLE Automation layout.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace orvane {

using DateTime = double;

inline constexpr DateTime kMinDateTime = -657434.0;  // 0100-01-01 00:00:00
inline constexpr DateTime kMaxDateTime = 2958465.0;  // 9999-12-31 00:00:00

struct CivilTime {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0;
};

// Texts are UTF-8; the full-width forms U+FF01..U+FF5E count as their ASCII
// characters and U+3000 as a space.
DateTime parse_date_time(std::string_view text);

// The local wall-clock time, whole seconds, from the program's clock source.
DateTime current_date_time();
// Replaces the clock source (tests, the platform layer). The source returns
// the local time as a civil time; an empty function restores the system clock.
void set_clock_source(std::function<CivilTime()> source);
CivilTime system_local_time();

DateTime clamp_date_time(DateTime x);
double linear_days(DateTime x);
std::int32_t seconds_between(DateTime t1, DateTime t2);
// The distance between two moments in whole seconds, either way round and
// without the 32-bit limit.
std::int64_t whole_seconds_apart(DateTime t1, DateTime t2);
int years_between(DateTime t1, DateTime t2);
const char* weekday_name(DateTime x);
std::string format_date_time(DateTime x);
std::string format_duration(std::int32_t n);
// The same for any count, also beyond the 68 years of 32 bits.
std::string format_long_duration(std::int64_t n);
std::string pad2(std::string_view t);

// True when a is later than b on the continuous axis.
bool is_later(DateTime a, DateTime b);

// Conversions between the value and its calendar fields (no range check on
// the fields; the value is clamped first when turned into fields).
DateTime to_date_time(const CivilTime& c);
CivilTime to_civil(DateTime x);
bool is_valid_civil(const CivilTime& c);
int days_in_month(int year, int month);

}  // namespace orvane

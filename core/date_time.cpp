#include "core/date_time.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <ctime>
#include <limits>

#include "core/full_width.h"

namespace orvane {
namespace {

// Days from 1899-12-30 (day 0 of the layout) to 1970-01-01.
constexpr long long kUnixEpochDay = 25569;

bool is_leap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

// Proleptic Gregorian day number, 0 = 1970-01-01.
long long days_from_civil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

void civil_from_days(long long z, int& y, int& m, int& d) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

// Whole day number and seconds into that day of a clamped value.
void split_value(DateTime x, long long& day, int& secs) {
  const double whole = std::trunc(x);
  const double frac = x >= 0 ? x - whole : whole - x;
  day = static_cast<long long>(whole);
  long long s = std::llround(frac * 86400.0);
  if (s >= 86400) {
    s -= 86400;
    ++day;
  }
  secs = static_cast<int>(s);
}

std::function<CivilTime()>& clock_source() {
  static std::function<CivilTime()> source;
  return source;
}

// One date field: at most max_digits ASCII digits.
int read_field(std::string_view s, std::size_t& pos, int max_digits) {
  int value = 0;
  for (int n = 0; n < max_digits && pos < s.size() && s[pos] >= '0' && s[pos] <= '9'; ++n)
    value = value * 10 + (s[pos++] - '0');
  return value;
}

bool skip_separator(std::string_view s, std::size_t& pos, std::string_view word, bool space_too) {
  if (pos >= s.size()) return false;
  const char c = s[pos];
  if (c == '/' || c == '-' || c == ':' || c == '.' || (space_too && c == ' ')) {
    ++pos;
    return true;
  }
  if (s.substr(pos, word.size()) == word) {
    pos += word.size();
    return true;
  }
  return false;
}

void append_int(std::string& out, long long v) {
  char buf[24];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  out.append(buf, r.ptr);
}

}  // namespace

int days_in_month(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && is_leap(year) ? 29 : kDays[month - 1];
}

bool is_valid_civil(const CivilTime& c) {
  return c.year >= 100 && c.year <= 9999 && c.month >= 1 && c.month <= 12 && c.day >= 1 &&
         c.day <= days_in_month(c.year, c.month) && c.hour >= 0 && c.hour <= 23 && c.minute >= 0 &&
         c.minute <= 59 && c.second >= 0 && c.second <= 59;
}

DateTime to_date_time(const CivilTime& c) {
  const long long day =
      days_from_civil(c.year, static_cast<unsigned>(c.month), static_cast<unsigned>(c.day)) + kUnixEpochDay;
  const double time = (c.hour * 3600 + c.minute * 60 + c.second) / 86400.0;
  // Below day 0 the whole part counts backwards but the time still runs forwards.
  return day >= 0 ? static_cast<double>(day) + time : static_cast<double>(day) - time;
}

CivilTime to_civil(DateTime x) {
  long long day;
  int secs;
  split_value(clamp_date_time(x), day, secs);
  CivilTime c;
  civil_from_days(day - kUnixEpochDay, c.year, c.month, c.day);
  c.hour = secs / 3600;
  c.minute = secs % 3600 / 60;
  c.second = secs % 60;
  return c;
}

DateTime parse_date_time(std::string_view text) {
  if (text.empty()) return kMinDateTime;
  const std::string s = fold_full_width(text);
  std::size_t pos = 0;
  CivilTime c;
  c.year = read_field(s, pos, 4);
  skip_separator(s, pos, "年", false);
  c.month = read_field(s, pos, 2);
  skip_separator(s, pos, "月", false);
  c.day = read_field(s, pos, 2);
  skip_separator(s, pos, "日", true);
  c.hour = read_field(s, pos, 2);
  skip_separator(s, pos, "时", false);
  c.minute = read_field(s, pos, 2);
  skip_separator(s, pos, "分", false);
  c.second = read_field(s, pos, 2);
  const std::string_view rest = std::string_view(s).substr(pos);
  if (!rest.empty() && rest.substr(0, std::string_view("秒").size()) != "秒") return kMinDateTime;
  if (!is_valid_civil(c)) return kMinDateTime;
  return to_date_time(c);
}

CivilTime system_local_time() {
  // localtime is comparatively slow and the board asks once per line.
  thread_local std::time_t last = -1;
  thread_local CivilTime cached;
  const std::time_t t = std::time(nullptr);
  if (t != last) {
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &t);
#else
    localtime_r(&t, &tm);
#endif
    cached = CivilTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
    last = t;
  }
  return cached;
}

void set_clock_source(std::function<CivilTime()> source) { clock_source() = std::move(source); }

DateTime current_date_time() {
  const auto& source = clock_source();
  return to_date_time(source ? source() : system_local_time());
}

DateTime clamp_date_time(DateTime x) {
  if (x > kMaxDateTime) return kMaxDateTime;
  if (x < kMinDateTime || std::isnan(x)) return kMinDateTime;
  return x;
}

double linear_days(DateTime x) {
  if (x >= 0) return x;
  const double t = std::trunc(x);
  return t - (x - t);
}

bool is_later(DateTime a, DateTime b) {
  return linear_days(clamp_date_time(a)) > linear_days(clamp_date_time(b));
}

namespace {

// The seconds of a distance in days, rounded as the board always has.
std::int64_t whole_seconds(double days) {
  return static_cast<std::int64_t>(std::trunc(std::fabs(days) * 86400.0 + 5.787037037037037e-6));
}

double days_apart(DateTime t1, DateTime t2) {
  return linear_days(clamp_date_time(t1)) - linear_days(clamp_date_time(t2));
}

}  // namespace

std::int32_t seconds_between(DateTime t1, DateTime t2) {
  if (t1 == t2) return 0;
  const double d = days_apart(t1, t2);
  // Differences beyond the 32-bit range (about 68 years) saturate instead of wrapping.
  const std::int64_t limit = std::numeric_limits<std::int32_t>::max();
  const auto m = static_cast<std::int32_t>(std::min(whole_seconds(d), limit));
  return d < 0 ? -m : m;
}

std::int64_t whole_seconds_apart(DateTime t1, DateTime t2) {
  return t1 == t2 ? 0 : whole_seconds(days_apart(t1, t2));
}

int years_between(DateTime t1, DateTime t2) {
  if (t1 == t2) return 0;
  return to_civil(t1).year - to_civil(t2).year;
}

const char* weekday_name(DateTime x) {
  static constexpr const char* kNames[] = {"周日", "周一", "周二", "周三", "周四", "周五", "周六"};
  long long day;
  int secs;
  split_value(clamp_date_time(x), day, secs);
  // Day 0, 1899-12-30, was a Saturday.
  return kNames[((day + 6) % 7 + 7) % 7];
}

std::string format_date_time(DateTime x) {
  const CivilTime c = to_civil(x);
  std::string out;
  out.reserve(40);
  append_int(out, c.year);
  out += "年";
  append_int(out, c.month);
  out += "月";
  append_int(out, c.day);
  out += "日";
  if (c.second != 0 || c.minute != 0 || c.hour != 0) {
    append_int(out, c.hour);
    out += "时";
  }
  if (c.second != 0 || c.minute != 0) {
    append_int(out, c.minute);
    out += "分";
  }
  if (c.second != 0) {
    append_int(out, c.second);
    out += "秒";
  }
  return out;
}

std::string pad2(std::string_view t) {
  std::string s = "00";
  s.append(t);
  return s.substr(s.size() - 2);
}

std::string format_duration(std::int32_t n) { return format_long_duration(n); }

std::string format_long_duration(std::int64_t n) {
  if (n < 0) n = 0;
  const std::int64_t days = n / 86400;
  const auto rest = static_cast<std::int32_t>(n % 86400);
  const std::int32_t hours = rest / 3600;
  const std::int32_t minutes = rest % 3600 / 60;
  const std::int32_t seconds = rest % 60;
  std::string out;
  out.reserve(32);
  append_int(out, days);
  out += "天";
  const auto two = [&out](std::int32_t v) {
    out += static_cast<char>('0' + v / 10);
    out += static_cast<char>('0' + v % 10);
  };
  two(hours);
  out += "时";
  two(minutes);
  out += "分";
  two(seconds);
  out += "秒";
  return out;
}

}  // namespace orvane

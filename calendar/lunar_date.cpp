#include "calendar/lunar_date.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "core/date_time.h"

namespace orvane::calendar {
namespace {

constexpr int kTableFirstYear = 1900;
constexpr std::size_t kTableYears = 201;

// One entry per lunar year from 1900: bits 0-3 the leap month (0 for none),
// bits 15 down to 4 months 1 to 12 (set for 30 days, clear for 29), bit 16 the
// leap month's length the same way.
constexpr std::array<std::uint32_t, kTableYears> kYearInfo = {
    0x04bd8, 0x04ae0, 0x0a570, 0x054d5, 0x0d260, 0x0d950, 0x16554, 0x056a0, 0x09ad0, 0x055d2,  // 1900
    0x04ae0, 0x0a5b6, 0x0a4d0, 0x0d250, 0x1d255, 0x0b540, 0x0d6a0, 0x0ada2, 0x095b0, 0x14977,  // 1910
    0x04970, 0x0a4b0, 0x0b4b5, 0x06a50, 0x06d40, 0x1ab54, 0x02b60, 0x09570, 0x052f2, 0x04970,  // 1920
    0x06566, 0x0d4a0, 0x0ea50, 0x16a95, 0x05ad0, 0x02b60, 0x186e3, 0x092e0, 0x1c8d7, 0x0c950,  // 1930
    0x0d4a0, 0x1d8a6, 0x0b550, 0x056a0, 0x1a5b4, 0x025d0, 0x092d0, 0x0d2b2, 0x0a950, 0x0b557,  // 1940
    0x06ca0, 0x0b550, 0x15355, 0x04da0, 0x0a5b0, 0x14573, 0x052b0, 0x0a9a8, 0x0e950, 0x06aa0,  // 1950
    0x0aea6, 0x0ab50, 0x04b60, 0x0aae4, 0x0a570, 0x05260, 0x0f263, 0x0d950, 0x05b57, 0x056a0,  // 1960
    0x096d0, 0x04dd5, 0x04ad0, 0x0a4d0, 0x0d4d4, 0x0d250, 0x0d558, 0x0b540, 0x0b6a0, 0x195a6,  // 1970
    0x095b0, 0x049b0, 0x0a974, 0x0a4b0, 0x0b27a, 0x06a50, 0x06d40, 0x0af46, 0x0ab60, 0x09570,  // 1980
    0x04af5, 0x04970, 0x064b0, 0x074a3, 0x0ea50, 0x06b58, 0x05ac0, 0x0ab60, 0x096d5, 0x092e0,  // 1990
    0x0c960, 0x0d954, 0x0d4a0, 0x0da50, 0x07552, 0x056a0, 0x0abb7, 0x025d0, 0x092d0, 0x0cab5,  // 2000
    0x0a950, 0x0b4a0, 0x0baa4, 0x0ad50, 0x055d9, 0x04ba0, 0x0a5b0, 0x15176, 0x052b0, 0x0a930,  // 2010
    0x07954, 0x06aa0, 0x0ad50, 0x05b52, 0x04b60, 0x0a6e6, 0x0a4e0, 0x0d260, 0x0ea65, 0x0d530,  // 2020
    0x05aa0, 0x076a3, 0x096d0, 0x04afb, 0x04ad0, 0x0a4d0, 0x1d0b6, 0x0d250, 0x0d520, 0x0dd45,  // 2030
    0x0b5a0, 0x056d0, 0x055b2, 0x049b0, 0x0a577, 0x0a4b0, 0x0aa50, 0x1b255, 0x06d20, 0x0ada0,  // 2040
    0x14b63, 0x09370, 0x049f8, 0x04970, 0x064b0, 0x168a6, 0x0ea50, 0x06b20, 0x1a6c4, 0x0aae0,  // 2050
    0x092e0, 0x0d2e3, 0x0c960, 0x0d557, 0x0d4a0, 0x0da50, 0x05d55, 0x056a0, 0x0a6d0, 0x055d4,  // 2060
    0x052d0, 0x0a9b8, 0x0a950, 0x0b4a0, 0x0b6a6, 0x0ad50, 0x055a0, 0x0aba4, 0x0a5b0, 0x052b0,  // 2070
    0x0b273, 0x06930, 0x07337, 0x06aa0, 0x0ad50, 0x14b55, 0x04b60, 0x0a570, 0x054e4, 0x0d160,  // 2080
    0x0e968, 0x0d520, 0x0daa0, 0x16aa6, 0x056d0, 0x04ae0, 0x0a9d4, 0x0a2d0, 0x0d150, 0x0f252,  // 2090
    0x0d520,                                                                                   // 2100
};

constexpr int info_leap_month(std::uint32_t info) { return static_cast<int>(info & 0xf); }

constexpr int info_month_days(std::uint32_t info, int month, bool leap) {
  if (leap) return (info & 0x10000) ? 30 : 29;
  return (info & (0x10000u >> month)) ? 30 : 29;
}

constexpr int info_year_days(std::uint32_t info) {
  int days = info_leap_month(info) ? info_month_days(info, 0, true) : 0;
  for (int m = 1; m <= 12; ++m) days += info_month_days(info, m, false);
  return days;
}

// Day number of 正月初一 of each table year, and one past the last year.
constexpr std::array<int, kTableYears + 1> kNewYearDays = [] {
  std::array<int, kTableYears + 1> days{};
  days[0] = 32;  // 1900-01-31
  for (std::size_t i = 0; i < kTableYears; ++i) days[i + 1] = days[i] + info_year_days(kYearInfo[i]);
  return days;
}();

bool in_table(int lunar_year) {
  return lunar_year >= kTableFirstYear && lunar_year < kTableFirstYear + static_cast<int>(kTableYears);
}

std::uint32_t year_info(int lunar_year) {
  return kYearInfo[static_cast<std::size_t>(lunar_year - kTableFirstYear)];
}

int new_year_day(int lunar_year) {
  return kNewYearDays[static_cast<std::size_t>(lunar_year - kTableFirstYear)];
}

// Months of a lunar year in order: 1..12 with the leap month after its namesake.
template <typename F>
void for_each_month(int lunar_year, F&& visit) {
  const std::uint32_t info = year_info(lunar_year);
  const int leap = info_leap_month(info);
  int first_day = new_year_day(lunar_year);
  for (int m = 1; m <= 12; ++m) {
    for (const bool is_leap : {false, true}) {
      if (is_leap && m != leap) continue;
      const int days = info_month_days(info, m, is_leap);
      if (visit(m, is_leap, first_day, days)) return;
      first_day += days;
    }
  }
}

constexpr std::string_view kStems[] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr std::string_view kBranches[] = {"子", "丑", "寅", "卯", "辰", "巳",
                                          "午", "未", "申", "酉", "戌", "亥"};
constexpr std::string_view kAnimals[] = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                                         "马", "羊", "猴", "鸡", "狗", "猪"};
constexpr std::string_view kMonthNames[] = {"正", "二", "三", "四", "五", "六",
                                            "七", "八", "九", "十", "冬", "腊"};
constexpr std::string_view kDayNames[] = {"初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八",
                                          "初九", "初十", "十一", "十二", "十三", "十四", "十五", "十六",
                                          "十七", "十八", "十九", "二十", "廿一", "廿二", "廿三", "廿四",
                                          "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};

// Place of the year among the 10 stems or the 12 branches; 1984 was 甲子.
std::size_t cycle_index(int lunar_year, int period) {
  return static_cast<std::size_t>(((lunar_year - 4) % period + period) % period);
}

struct Festival {
  int month, day;
  std::string_view name, short_name;
};

constexpr Festival kLunarFestivals[] = {
    {1, 1, "春节", "春节"},    {1, 15, "元宵节", "元宵"}, {2, 2, "龙抬头", "龙抬头"},
    {5, 5, "端午节", "端午"},  {7, 7, "七夕", "七夕"},    {7, 15, "中元节", "中元"},
    {8, 15, "中秋节", "中秋"}, {9, 9, "重阳节", "重阳"},  {12, 8, "腊八节", "腊八"},
    {12, 23, "小年", "小年"},
};
// The last day of 腊月, the 29th or the 30th.
constexpr Festival kNewYearsEve{12, 0, "除夕", "除夕"};

constexpr Festival kGregorianFestivals[] = {
    {1, 1, "元旦", "元旦"},      {2, 14, "情人节", "情人节"}, {3, 8, "妇女节", "妇女节"},
    {3, 12, "植树节", "植树节"}, {5, 1, "劳动节", "劳动节"},  {5, 4, "青年节", "青年节"},
    {6, 1, "儿童节", "儿童节"},  {7, 1, "建党节", "建党节"},  {8, 1, "建军节", "建军节"},
    {9, 10, "教师节", "教师节"}, {10, 1, "国庆节", "国庆"},   {12, 25, "圣诞节", "圣诞"},
};

const Festival* find_lunar_festival(const LunarDate& l) {
  if (l.leap) return nullptr;
  for (const Festival& f : kLunarFestivals)
    if (f.month == l.month && f.day == l.day) return &f;
  if (l.month == 12 && l.day == lunar_month_days(l.year, 12, false)) return &kNewYearsEve;
  return nullptr;
}

const Festival* find_gregorian_festival(const Date& d) {
  for (const Festival& f : kGregorianFestivals)
    if (f.month == d.month && f.day == d.day) return &f;
  return nullptr;
}

}  // namespace

bool is_valid_date(const Date& d) { return is_valid_civil(CivilTime{d.year, d.month, d.day}); }

bool is_convertible(const Date& d) {
  if (!is_valid_date(d)) return false;
  const int n = day_number(d);
  return n >= day_number(kFirstConvertible) && n <= day_number(kLastConvertible);
}

int day_number(const Date& d) { return static_cast<int>(to_date_time(CivilTime{d.year, d.month, d.day})); }

Date date_from_day_number(int n) {
  const CivilTime c = to_civil(n);
  return {c.year, c.month, c.day};
}

int weekday(const Date& d) {
  // Day 0, 1899-12-30, was a Saturday.
  return ((day_number(d) + 6) % 7 + 7) % 7;
}

std::optional<LunarDate> to_lunar(const Date& d) {
  if (!is_convertible(d)) return std::nullopt;
  const int n = day_number(d);
  const auto next = std::upper_bound(kNewYearDays.begin(), kNewYearDays.end(), n);
  const int year = kTableFirstYear + static_cast<int>(next - kNewYearDays.begin()) - 1;
  LunarDate out;
  for_each_month(year, [&](int month, bool leap, int first_day, int days) {
    if (n >= first_day + days) return false;
    out = {year, month, leap, n - first_day + 1};
    return true;
  });
  return out;
}

std::optional<Date> to_gregorian(const LunarDate& l) {
  if (lunar_month_days(l.year, l.month, l.leap) < l.day || l.day < 1) return std::nullopt;
  int n = 0;
  for_each_month(l.year, [&](int month, bool leap, int first_day, int) {
    if (month != l.month || leap != l.leap) return false;
    n = first_day + l.day - 1;
    return true;
  });
  if (n > day_number(kLastConvertible)) return std::nullopt;
  return date_from_day_number(n);
}

std::optional<Date> lunar_month_start(const Date& d) {
  const std::optional<LunarDate> l = to_lunar(d);
  if (!l) return std::nullopt;
  return date_from_day_number(day_number(d) - (l->day - 1));
}

int leap_month(int lunar_year) { return in_table(lunar_year) ? info_leap_month(year_info(lunar_year)) : 0; }

int lunar_month_days(int lunar_year, int month, bool leap) {
  if (!in_table(lunar_year) || month < 1 || month > 12) return 0;
  const std::uint32_t info = year_info(lunar_year);
  if (leap && info_leap_month(info) != month) return 0;
  return info_month_days(info, month, leap);
}

std::string cyclic_year_name(int lunar_year) {
  std::string out(kStems[cycle_index(lunar_year, 10)]);
  out += kBranches[cycle_index(lunar_year, 12)];
  return out;
}

std::string_view zodiac_name(int lunar_year) { return kAnimals[cycle_index(lunar_year, 12)]; }

std::string month_name(int month, bool leap) {
  if (month < 1 || month > 12) return {};
  std::string out = leap ? "闰" : "";
  out += kMonthNames[month - 1];
  out += "月";
  return out;
}

std::string_view day_name(int day) {
  if (day < 1 || day > 30) return {};
  return kDayNames[day - 1];
}

std::string_view lunar_festival(const Date& d) {
  const std::optional<LunarDate> l = to_lunar(d);
  if (!l) return {};
  const Festival* f = find_lunar_festival(*l);
  return f ? f->name : std::string_view{};
}

std::string_view gregorian_festival(const Date& d) {
  if (!is_valid_date(d)) return {};
  const Festival* f = find_gregorian_festival(d);
  return f ? f->name : std::string_view{};
}

CellLabel cell_label(const Date& d) {
  const std::optional<LunarDate> l = to_lunar(d);
  if (!l) return {};
  if (const Festival* f = find_lunar_festival(*l)) return {std::string(f->short_name), CellKind::Festival};
  if (const Festival* f = find_gregorian_festival(d)) return {std::string(f->short_name), CellKind::Festival};
  if (const int term = solar_term_on(d); term >= 0)
    return {std::string(solar_term_name(term)), CellKind::SolarTerm};
  if (l->day == 1) return {month_name(l->month, l->leap), CellKind::Lunar};
  return {std::string(day_name(l->day)), CellKind::Lunar};
}

std::string cell_text(int year, int month, int day) { return cell_label(Date{year, month, day}).text; }

std::string full_text(int year, int month, int day) {
  const std::optional<LunarDate> l = to_lunar({year, month, day});
  if (!l) return {};
  std::string out =
      std::to_string(year) + "年" + std::to_string(month) + "月" + std::to_string(day) + "日 农历";
  out += cyclic_year_name(l->year);
  out += "年";
  out += month_name(l->month, l->leap);
  out += day_name(l->day);
  return out;
}

}  // namespace orvane::calendar

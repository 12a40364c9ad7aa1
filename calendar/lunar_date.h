// Chinese lunar calendar, the 24 solar terms and the festivals, for the
// perpetual calendar. Portable: no UI, texts are UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane::calendar {

// Years the calendar control accepts.
inline constexpr int kFirstYear = 1901;
inline constexpr int kLastYear = 2049;

// A Gregorian date.
struct Date {
  int year = 0, month = 0, day = 0;
  bool operator==(const Date&) const = default;
};

// The days that convert: lunar 1900 正月初一 to the end of Gregorian 2100, so
// that the neighbouring days a month grid of kFirstYear or kLastYear shows
// convert too.
inline constexpr Date kFirstConvertible{1900, 1, 31};
inline constexpr Date kLastConvertible{2100, 12, 31};

// A lunar date: month 1 (正月) to 12 (腊月), leap for the intercalary month
// that follows the month of the same number.
struct LunarDate {
  int year = 0;
  int month = 0;
  bool leap = false;
  int day = 0;
  bool operator==(const LunarDate&) const = default;
};

// --- Gregorian helpers ---

// Years 100 to 9999, like core's date-time values.
bool is_valid_date(const Date& d);
// Valid and between kFirstConvertible and kLastConvertible.
bool is_convertible(const Date& d);
// Days since 1899-12-30, as core's DateTime counts them.
int day_number(const Date& d);
Date date_from_day_number(int n);
// 0 = Sunday ... 6 = Saturday.
int weekday(const Date& d);

// --- Conversions (empty outside the convertible days) ---

std::optional<LunarDate> to_lunar(const Date& d);
// Empty when the lunar date does not exist (a 30th of a short month, a leap
// month the year does not have) or falls after kLastConvertible.
std::optional<Date> to_gregorian(const LunarDate& l);
// The Gregorian date of 初一 of the lunar month that holds d.
std::optional<Date> lunar_month_start(const Date& d);
// The leap month of a lunar year, 0 when it has none (or is not in the table).
int leap_month(int lunar_year);
// 29 or 30; 0 when the year has no such month.
int lunar_month_days(int lunar_year, int month, bool leap);

// --- Names ---

// Stem-branch name of the lunar year ("甲辰"); it changes at 正月初一.
std::string cyclic_year_name(int lunar_year);
// Zodiac animal of the lunar year ("龙").
std::string_view zodiac_name(int lunar_year);
// "正月", "二月", ..., "十月", "冬月", "腊月"; leap months "闰二月". Empty for a bad month.
std::string month_name(int month, bool leap);
// "初一" ... "初十", "十一" ... "十九", "二十", "廿一" ... "廿九", "三十". Empty for a bad day.
std::string_view day_name(int day);

// --- Solar terms ---

inline constexpr int kSolarTermCount = 24;
// 0 = 小寒, 1 = 大寒, 2 = 立春, ..., 23 = 冬至: terms 2k and 2k + 1 fall in
// Gregorian month k + 1. Empty for a bad index.
std::string_view solar_term_name(int index);
// The day the term begins in China Standard Time (UTC+8), from the Sun's
// apparent longitude. Empty for a bad index or a year outside 1900 to 2100.
std::optional<Date> solar_term_date(int year, int index);
// The index of the term that begins on d, or -1.
int solar_term_on(const Date& d);

// --- Festivals (full names; empty when the day has none) ---

// 春节 元宵节 龙抬头 端午节 七夕 中元节 中秋节 重阳节 腊八节 小年 除夕 (the last
// day of 腊月, 29th or 30th); never in a leap month.
std::string_view lunar_festival(const Date& d);
// 元旦 情人节 妇女节 植树节 劳动节 青年节 儿童节 建党节 建军节 教师节 国庆节 圣诞节.
std::string_view gregorian_festival(const Date& d);

// --- Texts ---

// The short text under the day number of a calendar cell, the first that applies:
//   1. a lunar festival, shortened to 春节 元宵 龙抬头 端午 七夕 中元 中秋 重阳 腊八 小年 除夕;
//   2. a Gregorian festival, shortened to 元旦 情人节 妇女节 植树节 劳动节 青年节 儿童节
//      建党节 建军节 教师节 国庆 圣诞;
//   3. a solar term;
//   4. on 初一 the month name ("正月", "闰二月"), else the day name ("初二").
// Empty for a date that is not convertible.
std::string cell_text(int year, int month, int day);
// The same text with what it names, for the calendar's colours.
enum class CellKind { Lunar, Festival, SolarTerm };
struct CellLabel {
  std::string text;
  CellKind kind = CellKind::Lunar;
};
CellLabel cell_label(const Date& d);

// "2024年2月10日 农历甲辰年正月初一"; empty for a date that is not convertible.
std::string full_text(int year, int month, int day);

}  // namespace orvane::calendar

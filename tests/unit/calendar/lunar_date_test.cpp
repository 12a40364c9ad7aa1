#include "calendar/lunar_date.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>

namespace orvane::calendar {

void PrintTo(const Date& d, std::ostream* os) { *os << d.year << '-' << d.month << '-' << d.day; }
void PrintTo(const LunarDate& l, std::ostream* os) {
  *os << "lunar " << l.year << '-' << (l.leap ? "leap " : "") << l.month << '-' << l.day;
}

namespace {

struct KnownDay {
  Date gregorian;
  LunarDate lunar;
};

void PrintTo(const KnownDay& c, std::ostream* os) { PrintTo(c.gregorian, os); }

class LunarKnownDays : public ::testing::TestWithParam<KnownDay> {};

TEST_P(LunarKnownDays, ConvertBothWays) {
  const KnownDay& c = GetParam();
  EXPECT_EQ(to_lunar(c.gregorian), c.lunar);
  EXPECT_EQ(to_gregorian(c.lunar), c.gregorian);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, LunarKnownDays,
    ::testing::Values(
        // Ends of the table.
        KnownDay{{1900, 1, 31}, {1900, 1, false, 1}}, KnownDay{{2100, 12, 31}, {2100, 12, false, 1}},
        KnownDay{{1901, 1, 1}, {1900, 11, false, 11}}, KnownDay{{2049, 12, 31}, {2049, 12, false, 7}},
        // Spring Festivals.
        KnownDay{{1901, 2, 19}, {1901, 1, false, 1}}, KnownDay{{2000, 2, 5}, {2000, 1, false, 1}},
        KnownDay{{2024, 2, 10}, {2024, 1, false, 1}}, KnownDay{{2049, 2, 2}, {2049, 1, false, 1}},
        // 二月 of 2023 has 30 days, its leap month 29.
        KnownDay{{2023, 3, 21}, {2023, 2, false, 30}}, KnownDay{{2023, 3, 22}, {2023, 2, true, 1}},
        KnownDay{{2023, 4, 19}, {2023, 2, true, 29}}, KnownDay{{2023, 4, 20}, {2023, 3, false, 1}},
        KnownDay{{2020, 5, 23}, {2020, 4, true, 1}}, KnownDay{{2020, 6, 21}, {2020, 5, false, 1}},
        KnownDay{{2033, 12, 22}, {2033, 11, true, 1}},
        // New Year's Eves: 腊月 of 30 and of 29 days.
        KnownDay{{2024, 2, 9}, {2023, 12, false, 30}}, KnownDay{{2025, 1, 28}, {2024, 12, false, 29}}));

TEST(LunarDate, EveryConvertibleDayRoundTripsAndCountsOn) {
  const int first = day_number(kFirstConvertible);
  const int last = day_number(kLastConvertible);
  std::optional<LunarDate> previous;
  for (int n = first; n <= last; ++n) {
    const Date d = date_from_day_number(n);
    const std::optional<LunarDate> l = to_lunar(d);
    ASSERT_TRUE(l.has_value()) << n;
    ASSERT_EQ(to_gregorian(*l), d);
    ASSERT_EQ(lunar_month_start(d), date_from_day_number(n - l->day + 1));
    if (!previous) {
      previous = l;
      continue;
    }
    if (l->day != 1) {
      ASSERT_EQ(l->day, previous->day + 1) << d.year << '-' << d.month << '-' << d.day;
    } else {
      const LunarDate& p = *previous;
      ASSERT_EQ(p.day, lunar_month_days(p.year, p.month, p.leap));
      // The leap month follows the month of its number.
      LunarDate next{p.year, p.month + 1, false, 1};
      if (!p.leap && leap_month(p.year) == p.month) next = {p.year, p.month, true, 1};
      if (next.month == 13) next = {p.year + 1, 1, false, 1};
      ASSERT_EQ(*l, next);
    }
    previous = l;
  }
}

TEST(LunarDate, RejectsDaysOutsideTheTableAndInvalidDates) {
  for (const Date d :
       {Date{1900, 1, 30}, Date{2101, 1, 1}, Date{2023, 2, 29}, Date{2024, 13, 1}, Date{2024, 0, 10}}) {
    EXPECT_FALSE(is_convertible(d)) << d.year << '-' << d.month << '-' << d.day;
    EXPECT_EQ(to_lunar(d), std::nullopt);
    EXPECT_EQ(lunar_month_start(d), std::nullopt);
  }
  EXPECT_TRUE(is_convertible({1900, 12, 1}));  // a grid of January 1901 starts in December 1900
  EXPECT_TRUE(is_convertible({2050, 1, 31}));
}

TEST(LunarDate, RejectsLunarDatesThatDoNotExist) {
  for (const LunarDate l :
       {LunarDate{2024, 2, true, 1},     // 2024 has no leap month
        LunarDate{2023, 3, true, 1},     // 2023 leaps 二月, not 三月
        LunarDate{2023, 2, true, 30},    // 闰二月 has 29 days
        LunarDate{2024, 12, false, 30},  // and 腊月 of 2024 too
        LunarDate{2024, 1, false, 0}, LunarDate{2024, 13, false, 1}, LunarDate{1899, 1, false, 1},
        LunarDate{2101, 1, false, 1}, LunarDate{2100, 12, false, 2}}) {  // 2101-01-01
    EXPECT_EQ(to_gregorian(l), std::nullopt) << l.year << '-' << l.month << '-' << l.day;
  }
}

TEST(LunarDate, MonthLengthsAndLeapMonths) {
  EXPECT_EQ(leap_month(2023), 2);
  EXPECT_EQ(leap_month(2020), 4);
  EXPECT_EQ(leap_month(2033), 11);
  EXPECT_EQ(leap_month(2024), 0);
  EXPECT_EQ(leap_month(1899), 0);
  EXPECT_EQ(lunar_month_days(2023, 2, false), 30);
  EXPECT_EQ(lunar_month_days(2023, 2, true), 29);
  EXPECT_EQ(lunar_month_days(2023, 12, false), 30);
  EXPECT_EQ(lunar_month_days(2024, 12, false), 29);
  EXPECT_EQ(lunar_month_days(2024, 2, true), 0);
  EXPECT_EQ(lunar_month_days(2024, 13, false), 0);
  EXPECT_EQ(lunar_month_days(2101, 1, false), 0);
}

TEST(LunarDate, MonthStartOfAGridDay) {
  EXPECT_EQ(lunar_month_start({2023, 4, 5}), (Date{2023, 3, 22}));  // in 闰二月
  EXPECT_EQ(lunar_month_start({2024, 2, 9}), (Date{2024, 1, 11}));
  EXPECT_EQ(lunar_month_start({2024, 2, 10}), (Date{2024, 2, 10}));
}

TEST(GregorianHelpers, DayNumbersAndWeekdays) {
  EXPECT_EQ(day_number({1899, 12, 30}), 0);
  EXPECT_EQ(day_number({1900, 1, 31}), 32);
  EXPECT_EQ(date_from_day_number(45332), (Date{2024, 2, 10}));
  EXPECT_EQ(weekday({2024, 2, 10}), 6);  // Saturday
  EXPECT_EQ(weekday({1900, 1, 1}), 1);   // Monday
  EXPECT_EQ(weekday({2049, 12, 31}), 5);
}

TEST(LunarNames, MonthsDaysAndYears) {
  const char* const months[] = {"正月", "二月", "三月", "四月", "五月", "六月",
                                "七月", "八月", "九月", "十月", "冬月", "腊月"};
  for (int m = 1; m <= 12; ++m) {
    EXPECT_EQ(month_name(m, false), months[m - 1]);
    EXPECT_EQ(month_name(m, true), std::string("闰") + months[m - 1]);
  }
  EXPECT_EQ(month_name(0, false), "");
  EXPECT_EQ(month_name(13, true), "");

  const std::pair<int, const char*> days[] = {{1, "初一"},  {9, "初九"},  {10, "初十"}, {11, "十一"},
                                              {19, "十九"}, {20, "二十"}, {21, "廿一"}, {29, "廿九"},
                                              {30, "三十"}, {0, ""},      {31, ""}};
  for (const auto& [day, name] : days) EXPECT_EQ(day_name(day), name) << day;

  const std::tuple<int, const char*, const char*> years[] = {
      {1900, "庚子", "鼠"}, {1901, "辛丑", "牛"}, {1984, "甲子", "鼠"}, {2023, "癸卯", "兔"},
      {2024, "甲辰", "龙"}, {2043, "癸亥", "猪"}, {2049, "己巳", "蛇"}};
  for (const auto& [year, cyclic, animal] : years) {
    EXPECT_EQ(cyclic_year_name(year), cyclic) << year;
    EXPECT_EQ(zodiac_name(year), animal) << year;
  }
}

struct TermCase {
  int year, index;
  Date day;
  const char* name;
};

void PrintTo(const TermCase& c, std::ostream* os) { *os << c.year << ' ' << c.name; }

class SolarTermDays : public ::testing::TestWithParam<TermCase> {};

TEST_P(SolarTermDays, FallOnTheirChinaStandardTimeDay) {
  const TermCase& c = GetParam();
  EXPECT_EQ(solar_term_date(c.year, c.index), c.day);
  EXPECT_EQ(solar_term_name(c.index), c.name);
  EXPECT_EQ(solar_term_on(c.day), c.index);
  EXPECT_EQ(solar_term_on(date_from_day_number(day_number(c.day) - 1)), -1);
  EXPECT_EQ(solar_term_on(date_from_day_number(day_number(c.day) + 1)), -1);
}

INSTANTIATE_TEST_SUITE_P(Examples, SolarTermDays,
                         ::testing::Values(TermCase{2024, 0, {2024, 1, 6}, "小寒"},
                                           TermCase{2025, 0, {2025, 1, 5}, "小寒"},
                                           TermCase{2024, 2, {2024, 2, 4}, "立春"},
                                           TermCase{2024, 6, {2024, 4, 4}, "清明"},
                                           TermCase{2024, 23, {2024, 12, 21}, "冬至"},
                                           // Within a minute of midnight in UTC+8.
                                           TermCase{2021, 23, {2021, 12, 21}, "冬至"},  // 23:59
                                           TermCase{1951, 23, {1951, 12, 23}, "冬至"},  // 00:00
                                           TermCase{1923, 3, {1923, 2, 19}, "雨水"},    // 23:59
                                           TermCase{1979, 1, {1979, 1, 20}, "大寒"}));  // 23:59:54

// solar_term_on looks only at the two terms of the date's month.
TEST(SolarTerms, TwoInEachMonthFourteenToSixteenDaysApart) {
  int previous = 0;  // day number of the term before, across years too
  for (int year = 1900; year <= 2100; ++year) {
    for (int index = 0; index < kSolarTermCount; ++index) {
      const std::optional<Date> d = solar_term_date(year, index);
      ASSERT_TRUE(d.has_value());
      ASSERT_EQ(d->year, year);
      ASSERT_EQ(d->month, index / 2 + 1) << year << ' ' << index;
      const int n = day_number(*d);
      if (previous != 0) {
        ASSERT_TRUE(n - previous >= 14 && n - previous <= 16) << year << ' ' << index;
      }
      previous = n;
    }
  }
}

TEST(SolarTerms, RejectBadIndexesAndYears) {
  EXPECT_EQ(solar_term_date(2024, -1), std::nullopt);
  EXPECT_EQ(solar_term_date(2024, 24), std::nullopt);
  EXPECT_EQ(solar_term_date(1899, 0), std::nullopt);
  EXPECT_EQ(solar_term_date(2101, 0), std::nullopt);
  EXPECT_EQ(solar_term_name(24), "");
  EXPECT_EQ(solar_term_on({2023, 2, 29}), -1);
}

TEST(Festivals, FullNamesAndNoneInLeapMonths) {
  EXPECT_EQ(lunar_festival({2024, 2, 24}), "元宵节");
  EXPECT_EQ(lunar_festival({2025, 1, 28}), "除夕");
  EXPECT_EQ(lunar_festival({2009, 5, 28}), "端午节");
  EXPECT_EQ(lunar_festival({2009, 6, 27}), "");  // 闰五月初五
  EXPECT_EQ(lunar_festival({2023, 4, 19}), "");  // last day of 闰二月
  EXPECT_EQ(lunar_festival({2024, 2, 8}), "");   // 腊月廿九 of a 30-day 腊月
  EXPECT_EQ(gregorian_festival({2024, 10, 1}), "国庆节");
  EXPECT_EQ(gregorian_festival({2024, 12, 25}), "圣诞节");
  EXPECT_EQ(gregorian_festival({2024, 10, 2}), "");
  EXPECT_EQ(gregorian_festival({2023, 2, 29}), "");
}

struct CellCase {
  Date day;
  const char* text;
};

void PrintTo(const CellCase& c, std::ostream* os) { PrintTo(c.day, os); }

class CellText : public ::testing::TestWithParam<CellCase> {};

TEST_P(CellText, ShowsTheFirstThatApplies) {
  const CellCase& c = GetParam();
  EXPECT_EQ(cell_text(c.day.year, c.day.month, c.day.day), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Priorities, CellText,
    ::testing::Values(CellCase{{2024, 2, 10}, "春节"},    // lunar festival over the month name
                      CellCase{{1901, 2, 19}, "春节"},    // ... over the solar term 雨水
                      CellCase{{2020, 10, 1}, "中秋"},    // ... over 国庆节
                      CellCase{{2016, 10, 1}, "国庆"},    // Gregorian festival over 九月 (初一)
                      CellCase{{2023, 4, 20}, "谷雨"},    // solar term over 三月 (初一)
                      CellCase{{2023, 3, 21}, "春分"},    // solar term over 三十
                      CellCase{{2023, 4, 5}, "清明"},     // in a leap month
                      CellCase{{2023, 3, 22}, "闰二月"},  // first day of a leap month
                      CellCase{{2023, 3, 23}, "初二"},    // 闰二月初二 is no 龙抬头
                      CellCase{{2009, 6, 27}, "初五"},    // 闰五月初五 is no 端午
                      CellCase{{2033, 12, 22}, "闰冬月"}, CellCase{{2024, 12, 1}, "冬月"},
                      CellCase{{2024, 12, 31}, "腊月"}, CellCase{{2024, 3, 13}, "初四"},
                      CellCase{{2023, 2, 29}, ""}, CellCase{{2101, 1, 1}, ""}));

INSTANTIATE_TEST_SUITE_P(Festivals, CellText,
                         ::testing::Values(CellCase{{2024, 2, 24}, "元宵"}, CellCase{{2024, 3, 11}, "龙抬头"},
                                           CellCase{{2009, 5, 28}, "端午"}, CellCase{{2024, 8, 10}, "七夕"},
                                           CellCase{{2024, 8, 18}, "中元"}, CellCase{{2024, 9, 17}, "中秋"},
                                           CellCase{{2024, 10, 11}, "重阳"}, CellCase{{2024, 1, 18}, "腊八"},
                                           CellCase{{2024, 2, 2}, "小年"}, CellCase{{2024, 2, 9}, "除夕"},
                                           CellCase{{2025, 1, 28}, "除夕"}, CellCase{{2025, 1, 27}, "廿八"},
                                           CellCase{{2024, 1, 1}, "元旦"}, CellCase{{2024, 2, 14}, "情人节"},
                                           CellCase{{2024, 3, 8}, "妇女节"},
                                           CellCase{{2024, 3, 12}, "植树节"},
                                           CellCase{{2024, 5, 1}, "劳动节"}, CellCase{{2024, 5, 4}, "青年节"},
                                           CellCase{{2024, 6, 1}, "儿童节"}, CellCase{{2024, 7, 1}, "建党节"},
                                           CellCase{{2024, 8, 1}, "建军节"},
                                           CellCase{{2024, 9, 10}, "教师节"}, CellCase{{2024, 10, 1}, "国庆"},
                                           CellCase{{2024, 12, 25}, "圣诞"}));

TEST(FullText, GregorianThenLunarDate) {
  const std::pair<Date, const char*> cases[] = {
      {{2024, 2, 10}, "2024年2月10日 农历甲辰年正月初一"},
      {{2023, 3, 22}, "2023年3月22日 农历癸卯年闰二月初一"},
      // The cyclic year turns at the Spring Festival, not on January 1.
      {{2024, 1, 1}, "2024年1月1日 农历癸卯年冬月二十"},
      {{2024, 2, 9}, "2024年2月9日 农历癸卯年腊月三十"},
      {{2033, 12, 22}, "2033年12月22日 农历癸丑年闰冬月初一"},
      {{1901, 1, 1}, "1901年1月1日 农历庚子年冬月十一"},
      {{2049, 12, 31}, "2049年12月31日 农历己巳年腊月初七"},
      {{2023, 2, 29}, ""},
      {{1900, 1, 1}, ""},
  };
  for (const auto& [d, text] : cases) EXPECT_EQ(full_text(d.year, d.month, d.day), text);
}

}  // namespace
}  // namespace orvane::calendar

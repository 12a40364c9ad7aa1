#include "core/date_time.h"

#include <gtest/gtest.h>

#include "tests/unit/fixed_clock.h"

namespace orvane {
namespace {

struct ParseCase {
  const char* text;
  CivilTime expected;  // year 0 means "the minimum date-time"
};

constexpr CivilTime kRejected{0, 0, 0, 0, 0, 0};

class ParseDateTime : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseDateTime, ReadsTheGrammar) {
  const ParseCase& c = GetParam();
  const DateTime value = parse_date_time(c.text);
  if (c.expected.year == 0) {
    EXPECT_EQ(value, kMinDateTime) << c.text;
  } else {
    EXPECT_EQ(value, to_date_time(c.expected)) << c.text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ParseDateTime,
    ::testing::Values(ParseCase{"2040年11月27日", {2040, 11, 27}},
                      ParseCase{"2030年1月2日3时4分5秒", {2030, 1, 2, 3, 4, 5}},
                      ParseCase{"2030年1月2日3时4分5秒 and more", {2030, 1, 2, 3, 4, 5}},
                      ParseCase{"2012-12-21 08:00:00", {2012, 12, 21, 8}},
                      ParseCase{"2012.12.21", {2012, 12, 21}}, ParseCase{"20121221", {2012, 12, 21}},
                      ParseCase{"2012-1-1", {2012, 1, 1}}, ParseCase{"2012-12-2108:00", {2012, 12, 21, 8}},
                      ParseCase{"2012-2-29", {2012, 2, 29}}, ParseCase{"2000-2-29", {2000, 2, 29}},
                      ParseCase{"0100-1-1", {100, 1, 1}},
                      ParseCase{"9999-12-31 23:59:59", {9999, 12, 31, 23, 59, 59}},
                      ParseCase{"1899-12-29 06:00", {1899, 12, 29, 6}},
                      // Full-width digits, hyphens and space read like ASCII.
                      ParseCase{"２０１２年１２月２１日", {2012, 12, 21}},
                      ParseCase{"２０１２－１２－２１　０８：３０", {2012, 12, 21, 8, 30}},
                      ParseCase{"2012/3/4/5/6/7", {2012, 3, 4, 5, 6, 7}},
                      ParseCase{"2012年3月4日5时6分", {2012, 3, 4, 5, 6}},
                      // Rejected.
                      ParseCase{"", kRejected}, ParseCase{"12-12-21", kRejected},
                      ParseCase{"2012年12月21日 8时", kRejected}, ParseCase{"2013-2-29", kRejected},
                      ParseCase{"1900-2-29", kRejected}, ParseCase{"2012-13-01", kRejected},
                      ParseCase{" 2012-12-21", kRejected}, ParseCase{"2012", kRejected},
                      ParseCase{"2012-12-21x", kRejected}, ParseCase{"2012-12-32", kRejected},
                      ParseCase{"2012-12-21 24:00", kRejected}, ParseCase{"2012-12-21 23:60", kRejected},
                      ParseCase{"0099-12-31", kRejected}, ParseCase{"2012-12-21 10:00:00:00", kRejected},
                      ParseCase{"2012--12-21", kRejected}));

TEST(DateTime, NegativeValuesKeepTheTimeRunningForward) {
  EXPECT_EQ(to_date_time({1899, 12, 29, 6}), -1.25);
  EXPECT_EQ(linear_days(-1.25), -0.75);
  const CivilTime c = to_civil(-1.25);
  EXPECT_EQ(c.year, 1899);
  EXPECT_EQ(c.day, 29);
  EXPECT_EQ(c.hour, 6);
  EXPECT_EQ(to_date_time({100, 1, 1}), kMinDateTime);
  EXPECT_EQ(to_date_time({9999, 12, 31}), kMaxDateTime);
}

TEST(DateTime, ClampLimitsToTheValidRange) {
  EXPECT_EQ(clamp_date_time(3000000), kMaxDateTime);
  EXPECT_EQ(clamp_date_time(-700000), kMinDateTime);
  EXPECT_EQ(clamp_date_time(1234.5), 1234.5);
}

TEST(DateTime, SecondsBetween) {
  const DateTime a = parse_date_time("2030年1月2日3时4分15秒");
  const DateTime b = parse_date_time("2030年1月2日3时4分5秒");
  EXPECT_EQ(seconds_between(a, b), 10);
  EXPECT_EQ(seconds_between(b, a), -10);
  EXPECT_EQ(seconds_between(a, a), 0);
  // Across day 0, where the layout turns.
  EXPECT_EQ(seconds_between(to_date_time({1899, 12, 30, 0, 0, 1}), to_date_time({1899, 12, 29, 23, 59, 59})),
            2);
  // The worked figure of the board.
  EXPECT_EQ(seconds_between(parse_date_time("2040年11月27日"), to_date_time({2030, 1, 2, 3, 4, 15})),
            344033745);
  // Far beyond 32 bits saturates rather than wraps.
  EXPECT_EQ(seconds_between(kMaxDateTime, kMinDateTime), 2147483647);
  EXPECT_EQ(seconds_between(kMinDateTime, kMaxDateTime), -2147483647);
}

TEST(DateTime, YearsBetweenLooksAtYearNumbersOnly) {
  EXPECT_EQ(years_between(to_date_time({2031, 1, 1}), to_date_time({2030, 12, 31, 23, 59, 59})), 1);
  EXPECT_EQ(years_between(to_date_time({2030, 1, 1}), to_date_time({2030, 12, 31})), 0);
  EXPECT_EQ(years_between(to_date_time({2000, 1, 1}), to_date_time({2084, 12, 31})), -84);
}

TEST(DateTime, WeekdayNames) {
  EXPECT_STREQ(weekday_name(parse_date_time("2012年1月1日")), "周日");
  EXPECT_STREQ(weekday_name(kMinDateTime), "周五");
  EXPECT_STREQ(weekday_name(0), "周六");
  EXPECT_STREQ(weekday_name(-1.25), "周五");
  EXPECT_STREQ(weekday_name(parse_date_time("2024-05-06 14:03:27")), "周一");
  EXPECT_STREQ(weekday_name(parse_date_time("2040-11-27")), "周二");
}

TEST(DateTime, FormatDateTimeDropsTrailingZeroFields) {
  struct Case {
    CivilTime time;
    const char* text;
  };
  for (const Case& c :
       {Case{{2024, 5, 6, 14, 3, 27}, "2024年5月6日14时3分27秒"},
        Case{{2024, 5, 6, 0, 0, 27}, "2024年5月6日0时0分27秒"},
        Case{{2024, 5, 6, 14, 0, 0}, "2024年5月6日14时"}, Case{{2024, 5, 6, 0, 5, 0}, "2024年5月6日0时5分"},
        Case{{2024, 5, 6}, "2024年5月6日"}, Case{{1899, 12, 29, 6}, "1899年12月29日6时"}}) {
    const std::string text = format_date_time(to_date_time(c.time));
    EXPECT_EQ(text, c.text);
    EXPECT_EQ(parse_date_time(text), to_date_time(c.time)) << "reads back " << text;
  }
}

TEST(DateTime, FormatDurationAndPad2) {
  EXPECT_EQ(format_duration(0), "0天00时00分00秒");
  EXPECT_EQ(format_duration(86399), "0天23时59分59秒");
  EXPECT_EQ(format_duration(86400), "1天00时00分00秒");
  EXPECT_EQ(format_duration(344033745), "3981天20时55分45秒");
  EXPECT_EQ(format_duration(2147483647), "24855天03时14分07秒");
  EXPECT_EQ(pad2("5"), "05");
  EXPECT_EQ(pad2("23"), "23");
  EXPECT_EQ(pad2("123"), "23");
  EXPECT_EQ(pad2(""), "00");
}

TEST(DateTime, CurrentDateTimeFollowsTheClockInWholeSeconds) {
  testing::FixedClock clock({2030, 1, 2, 3, 4, 15});
  EXPECT_EQ(current_date_time(), to_date_time({2030, 1, 2, 3, 4, 15}));
  clock.set({1850, 6, 1, 12});
  EXPECT_EQ(format_date_time(current_date_time()), "1850年6月1日12时");
}

TEST(DateTime, EveryDayRoundTripsThroughTheCalendar) {
  // Walks the whole valid range once: fields -> value -> fields.
  for (DateTime day = kMinDateTime; day <= kMaxDateTime; day += 1) {
    const CivilTime c = to_civil(day);
    ASSERT_TRUE(is_valid_civil(c)) << day;
    ASSERT_EQ(to_date_time(c), day);
  }
}

}  // namespace
}  // namespace orvane

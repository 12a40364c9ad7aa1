#include "core/hide_expired.h"

#include <gtest/gtest.h>

#include "core/board.h"
#include "tests/unit/fixed_clock.h"

namespace orvane {
namespace {

struct HideCase {
  const char* name;
  CivilTime now;
  const char* text;
  const char* expected;
};

class HideExpired : public ::testing::TestWithParam<HideCase> {};

TEST_P(HideExpired, CommentsOutPastEvents) {
  const HideCase& c = GetParam();
  testing::FixedClock clock(c.now);
  EXPECT_EQ(hide_expired_events(c.text), c.expected);
  // A second run changes nothing further.
  EXPECT_EQ(hide_expired_events(c.expected), c.expected);
}

constexpr CivilTime kAfter2030{2030, 1, 2, 3, 4, 6};

INSTANTIATE_TEST_SUITE_P(
    Cases, HideExpired,
    ::testing::Values(HideCase{"comment_alone", kAfter2030, ";2012年1月1日/世界末日",
                               ";2012年1月1日/世界末日"},
                      HideCase{"one_line_expired", kAfter2030, "2030年1月2日3时4分5秒/完整格式示例",
                               ";2030年1月2日3时4分5秒/完整格式示例"},
                      HideCase{"one_line_before",
                               {2030, 1, 2, 3, 4, 4},
                               "2030年1月2日3时4分5秒/完整格式示例",
                               "2030年1月2日3时4分5秒/完整格式示例"},
                      HideCase{"current_second_is_kept",
                               {2030, 1, 2, 3, 4, 5},
                               "2030年1月2日3时4分5秒/x",
                               "2030年1月2日3时4分5秒/x"},
                      HideCase{"default_list", kAfter2030,
                               "2040年11月27日/Dorsan百岁诞辰纪念日\r\n;2012年1月1日/"
                               "世界末日\r\n2030年1月2日3时4分5秒/完整格式示例",
                               "2040年11月27日/Dorsan百岁诞辰纪念日\r\n;2012年1月1日/世界末日\r\n;"
                               "2030年1月2日3时4分5秒/完整格式示例\r\n"},
                      HideCase{"empty_lines_dropped", kAfter2030, "2040-1-1/a\r\n\r\n\r\n2040-1-2/b\r\n\r\n",
                               "2040-1-1/a\r\n2040-1-2/b\r\n"},
                      HideCase{"no_slash_is_commented", kAfter2030, "2040-1-1\r\nplain words",
                               "2040-1-1\r\n;plain words\r\n"},
                      HideCase{"empty", kAfter2030, "", ""}),
    [](const auto& case_info) { return std::string(case_info.param.name); });

}  // namespace
}  // namespace orvane

// The real program's board for event lists of every shape, compared byte for
// byte with the board the core builds for the same bytes at the same second.
#include <gtest/gtest.h>

#include <string>

#include "core/board.h"
#include "core/date_time.h"
#include "core/text_codec.h"
#include "tests/e2e/harness.h"

namespace orvane::e2e {
namespace {

using namespace std::string_literals;

constexpr double kSecond = 1.0 / 86400.0;

std::string board_at(std::string_view file_bytes, DateTime moment) {
  const CivilTime civil = to_civil(moment);
  set_clock_source([civil] { return civil; });
  std::string board = board_text(orvane::gbk_to_utf8(cut_at_zero(file_bytes)));
  set_clock_source(nullptr);
  return board;
}

struct ListCase {
  const char* name;
  std::string utf8;  // the event list, written to Orvane.txt in GBK
  std::string tail;  // raw bytes appended after the GBK text
};

std::string year_from_now(int years) { return std::to_string(to_civil(current_date_time()).year + years); }

class BoardLists : public ::testing::TestWithParam<ListCase> {};

TEST_P(BoardLists, ShowTheCoreBoardOfTheFile) {
  const ListCase& c = GetParam();
  OrvaneRun run;
  const std::string bytes = utf8_to_gbk(c.utf8) + c.tail;
  run.dir().write("Orvane.txt", bytes);
  const DateTime launched = current_date_time();
  run.start();
  HWND board = run.control(编辑框_显示);
  ASSERT_NE(board, nullptr);
  ASSERT_TRUE(wait_until([&] { return !window_text(board).empty(); }));
  const std::string text = window_text(board);
  const DateTime read_at = current_date_time();

  bool matched = false;
  for (DateTime t = launched - kSecond; t <= read_at + kSecond * 1.5 && !matched; t += kSecond)
    matched = board_at(bytes, t) == text;
  EXPECT_TRUE(matched) << "board:\n" << text << "\nexpected about:\n" << board_at(bytes, read_at);
  // The program never rewrites an existing list.
  EXPECT_EQ(run.dir().read("Orvane.txt"), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, BoardLists,
    ::testing::Values(
        ListCase{"OneLine", "2030年1月2日3时4分5秒/完整格式示例", ""},
        ListCase{"OneLineWithCrLf", "2030年1月2日3时4分5秒/完整格式示例\r\n", ""},
        ListCase{"SingleComment", ";2012年1月1日/世界末日", ""}, ListCase{"Empty", "", ""},
        ListCase{"OnlyCommentsAndEmptyLines", ";a\r\n\r\n;b\r\n", ""},
        ListCase{"SixtyYears",
                 year_from_now(60) + "-12-31/还算\r\n" + year_from_now(61) + "-1-1/太远\r\n" +
                     year_from_now(-60) + "-1-1/过去\r\n" + year_from_now(-61) + "-12-31/太久",
                 ""},
        ListCase{
            "OddLines",
            "没有斜杠\r\n\r\n\r\n ;2030-1-1/空格开头\r\n2012-13-01/坏日期\r\n２０３０－０１－０２/全角\r\n"
            "2031-2-3 04:05:06/距离距离/多个/斜杠",
            ""},
        ListCase{"StopsAtZeroByte", "2031-1-1/a\r\n2032-1-1/b", "\0\r\n2033-1-1/after the zero"s}),
    [](const auto& case_info) { return std::string(case_info.param.name); });

}  // namespace
}  // namespace orvane::e2e

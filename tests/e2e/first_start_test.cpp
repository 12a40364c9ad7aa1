// First start in an empty directory: the default event list is written and
// the board shows it.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/board.h"
#include "core/date_time.h"
#include "tests/e2e/harness.h"

namespace orvane::e2e {
namespace {

constexpr double kSecond = 1.0 / 86400.0;

// The board the core builds for the default list at a given moment.
std::string board_at(DateTime moment) {
  const CivilTime civil = to_civil(moment);
  set_clock_source([civil] { return civil; });
  std::string board = board_text(kDefaultList);
  set_clock_source(nullptr);
  return board;
}

// True when text is the default list's board at some whole second in [from, to].
bool is_board_between(const std::string& text, DateTime from, DateTime to) {
  for (DateTime t = from; t <= to + kSecond / 2; t += kSecond) {
    if (board_at(t) == text) return true;
  }
  return false;
}

TEST(FirstStart, WritesTheDefaultEventList) {
  OrvaneRun run;
  ASSERT_FALSE(run.dir().exists("Orvane.txt"));
  run.start();
  ASSERT_NE(run.main_window(), nullptr);

  ASSERT_TRUE(wait_until([&] { return run.dir().exists("Orvane.txt"); }));
  const auto bytes = run.dir().read("Orvane.txt");
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(bytes->size(), 95u);
  EXPECT_EQ(*bytes, utf8_to_gbk(kDefaultList));
}

TEST(FirstStart, BoardShowsTheDefaultEvents) {
  OrvaneRun run;
  const DateTime launched = current_date_time();
  run.start();
  HWND board = run.control(编辑框_显示);
  ASSERT_NE(board, nullptr);
  ASSERT_TRUE(wait_until([&] { return shows_board(board); })) << window_text(board);
  const std::string text = window_text(board);
  const DateTime read_at = current_date_time();

  // Byte for byte the board of the default list, built at some second between
  // the launch and now (one second of slack on either side for the clock edge).
  EXPECT_TRUE(is_board_between(text, launched - kSecond, read_at + kSecond)) << text;

  const auto lines = split_lines(text);
  ASSERT_EQ(lines.size(), 7u) << text;
  EXPECT_EQ(lines[0], "距离：2040年11月27日/Dorsan百岁诞辰纪念日 [周二]");
  EXPECT_EQ(lines[1].rfind("还有：", 0), 0u) << lines[1];
  EXPECT_EQ(lines[2], std::string(102, '-'));
  EXPECT_EQ(lines[3], "距离：2030年1月2日3时4分5秒/完整格式示例 [周三]");
  const bool second_event_passed = !is_later(parse_date_time("2030年1月2日3时4分5秒"), read_at);
  EXPECT_EQ(lines[4].rfind(second_event_passed ? "已经过去：" : "还有：", 0), 0u) << lines[4];
  EXPECT_EQ(lines[5], std::string(102, '-'));
  EXPECT_EQ(lines[6], "共 2 条");

  screenshot("first-start");
}

// No config.ini exists, yet the board is rebuilt every 15 seconds.
TEST(FirstStart, BoardRefreshesWithoutConfig) {
  OrvaneRun run;
  run.start();
  HWND board = run.control(编辑框_显示);
  ASSERT_NE(board, nullptr);
  ASSERT_TRUE(wait_until([&] { return shows_board(board); }));
  const std::string first = window_text(board);
  EXPECT_FALSE(run.dir().exists("config.ini"));

  std::string later;
  EXPECT_TRUE(wait_until(
      [&] {
        later = window_text(board);
        return later != first;
      },
      Millis{17000}))
      << "the board did not change within 17 s";
  const DateTime now = current_date_time();
  EXPECT_TRUE(is_board_between(later, now - 2 * kSecond, now)) << later;
}

}  // namespace
}  // namespace orvane::e2e

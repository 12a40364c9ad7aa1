#include "core/board.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/unit/fixed_clock.h"

namespace orvane {
namespace {

const std::string kSeparator(102, '-');

std::string block(const std::string& line, const std::string& weekday, const std::string& countdown) {
  return "距离：" + line + " [" + weekday + "]\r\n" + countdown + "\r\n" + kSeparator + "\r\n";
}

TEST(Board, DefaultListAtTheWorkedMoment) {
  testing::FixedClock clock({2030, 1, 2, 3, 4, 15});
  EXPECT_EQ(board_text(kDefaultEventList),
            block("2040年11月27日/Dorsan百岁诞辰纪念日", "周二", "还有：344033745秒 = 3981天20时55分45秒") +
                block("2030年1月2日3时4分5秒/完整格式示例", "周三", "已经过去：10秒 = 0天00时00分10秒") +
                "共 2 条");
}

TEST(Board, OneLineHasNoSeparatorAndNoTotal) {
  testing::FixedClock clock({2030, 1, 2, 3, 4, 15});
  EXPECT_EQ(board_text("2030年1月2日3时4分5秒/完整格式示例"),
            "距离：2030年1月2日3时4分5秒/完整格式示例 [周三]\r\n已经过去：10秒 = 0天00时00分10秒");
  // A trailing CR LF takes the several-lines path.
  EXPECT_EQ(
      board_text("2030年1月2日3时4分5秒/完整格式示例\r\n"),
      block("2030年1月2日3时4分5秒/完整格式示例", "周三", "已经过去：10秒 = 0天00时00分10秒") + "共 1 条");
}

TEST(Board, PlaceholderAndEmptyTotals) {
  testing::FixedClock clock({2030, 1, 2, 3, 4, 15});
  struct Case {
    const char* list;
    std::string board;
  };
  const std::string placeholder(kBoardPlaceholder);
  for (const Case& c : {Case{"", placeholder}, Case{";2012年1月1日/世界末日", placeholder},
                        Case{"\r\n", "共 0 条"}, Case{";a\r\n;b\r\n\r\n", "共 0 条"}}) {
    EXPECT_EQ(board_text(c.list), c.board) << c.list;
  }
}

TEST(Board, EmptyLinesCollapseAndDoNotCount) {
  testing::FixedClock clock({2030, 1, 2, 3, 4, 15});
  EXPECT_EQ(board_text("2030-1-2 03:04:15/a\r\n\r\n\r\n2030-1-2 03:04:16/b"),
            board_text("2030-1-2 03:04:15/a\r\n2030-1-2 03:04:16/b"));
  // An event at the current second has passed; one a second later is still to come.
  EXPECT_EQ(board_text("2030-1-2 03:04:15/a\r\n2030-1-2 03:04:16/b"),
            block("2030-1-2 03:04:15/a", "周三", "已经过去：0秒 = 0天00时00分00秒") +
                block("2030-1-2 03:04:16/b", "周三", "还有：1秒 = 0天00时00分01秒") + "共 2 条");
}

TEST(Board, SixtyYearBoundaryGoesByYearNumber) {
  testing::FixedClock clock({2024, 12, 31, 23, 59, 59});
  const std::string too_far(kDateTooFar);
  struct Case {
    const char* line;
    bool too_far;
  };
  for (const Case& c : {Case{"2084-12-31/x", false}, Case{"2085-1-1/x", true}, Case{"1964-1-1/x", false},
                        Case{"1963-12-31/x", true}, Case{"no date/x", true}, Case{"2012-13-01/x", true}}) {
    const std::string board = board_text(std::string(c.line) + "\r\n");
    EXPECT_EQ(board.find(too_far) != std::string::npos, c.too_far) << c.line;
    EXPECT_EQ(board.find("已经过去：") != std::string::npos, !c.too_far && c.line[0] == '1') << c.line;
  }
}

TEST(Board, UnparsableLinesAreFridayBlocksWithTheFarMessage) {
  testing::FixedClock clock({2024, 5, 6, 14, 3, 27});
  EXPECT_EQ(board_text("没有日期\r\n ;2030-1-1/x"),
            block("没有日期", "周五", std::string(kDateTooFar)) +
                block(" ;2030-1-1/x", "周五", std::string(kDateTooFar)) + "共 2 条");
}

TEST(Board, TotalCountsEveryDistanceWord) {
  testing::FixedClock clock({2024, 5, 6, 14, 3, 27});
  const std::string board = board_text("2030-1-1/距离距离\r\n2030-1-1/b");
  EXPECT_EQ(board.substr(board.size() - std::string("共 4 条").size()), "共 4 条");
}

TEST(Board, CountOccurrencesDoesNotOverlap) {
  EXPECT_EQ(count_occurrences("aa", "aaaa"), 2u);
  EXPECT_EQ(count_occurrences("aa", "aaa"), 1u);
  EXPECT_EQ(count_occurrences("距离", "距离：x距离"), 2u);
  EXPECT_EQ(count_occurrences("x", ""), 0u);
}

TEST(Board, DefaultListIsNinetyFiveGbkBytes) {
  // Checked through the codec in text_codec_test; here the text itself.
  EXPECT_EQ(kDefaultEventList.substr(0, 5), "2040\xE5");
  EXPECT_EQ(count_occurrences("\r\n", kDefaultEventList), 2u);
}

}  // namespace
}  // namespace orvane

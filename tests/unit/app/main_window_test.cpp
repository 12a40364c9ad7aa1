// Title clock, board refresh and font size of the main window.
#include "app/board_view.h"
#include "app_fixture.h"
#include "core/board.h"

namespace orvane::testing {
namespace {

using MainWindow = AppTest;

TEST_F(MainWindow, TitleClockShowsTimeAndWeekdayThenSlowsDown) {
  start();
  EXPECT_EQ(text_of(窗口假上), "Kelu软件之倒计时牌 v1.11");
  clock_.set(CivilTime{2024, 5, 6, 14, 3, 27});
  ASSERT_TRUE(memory::fire(t(时钟_标题时刻)));
  EXPECT_EQ(text_of(窗口假上), "Kelu软件之倒计时牌 v1.11 - [2024年5月6日14时3分27秒 / 周一]");
  EXPECT_EQ(period_of(时钟_标题时刻), 20000);
  clock_.set(CivilTime{2024, 5, 6, 14, 3, 47});
  ASSERT_TRUE(memory::fire(t(时钟_标题时刻)));
  EXPECT_EQ(text_of(窗口假上), "Kelu软件之倒计时牌 v1.11 - [2024年5月6日14时3分47秒 / 周一]");
}

TEST_F(MainWindow, RefreshTickRereadsTheFileAndTheClock) {
  start();
  write_gbk("Orvane.txt", "2030年1月2日3时4分5秒/完整格式示例");
  clock_.set(CivilTime{2030, 1, 2, 3, 4, 35});
  ASSERT_TRUE(memory::fire(t(时钟_刷新倒计时)));
  EXPECT_EQ(text_of(编辑框_显示),
            "距离：2030年1月2日3时4分5秒/完整格式示例 [周三]\r\n已经过去：30秒 = 0天00时00分30秒");
  EXPECT_TRUE(memory::scrolled_to_end(c(编辑框_显示)));
  std::filesystem::remove(file("Orvane.txt"));
  ASSERT_TRUE(memory::fire(t(时钟_刷新倒计时)));
  EXPECT_EQ(text_of(编辑框_显示), kBoardPlaceholder);
}

TEST_F(MainWindow, LargeBoardIsSetInOneStep) {
  std::string list;
  for (int i = 0; i < 10000; ++i) list += "2030年1月2日3时4分5秒/事件" + std::to_string(i) + "\r\n";
  write_gbk("Orvane.txt", list);
  start();
  const std::string board = text_of(编辑框_显示);
  EXPECT_EQ(memory::set_text_count(c(编辑框_显示)), 1);
  EXPECT_NE(board.find("/事件0 ["), std::string::npos);
  EXPECT_TRUE(board.ends_with("共 10000 条"));
}

TEST_F(MainWindow, FontSizeStepsWithoutBounds) {
  start();
  const ui::Control board = c(编辑框_显示);
  memory::mouse_down(c(标签_字体增大));
  EXPECT_EQ(ui::font_size(board), 10);
  for (int i = 0; i < 10; ++i) memory::mouse_down(c(标签_字体缩小));
  EXPECT_EQ(ui::font_size(board), 0);
  memory::mouse_down(c(标签_字体缩小));
  EXPECT_EQ(ui::font_size(board), -1);
  EXPECT_EQ(memory::font_face(board), "Tahoma");
  EXPECT_FALSE(exists("config.ini")) << "the size is saved only when the program ends";
}

TEST_F(MainWindow, TitleStripDragsTheWindowAndMoreOpensTheMenu) {
  start();
  memory::mouse_down(c(窗口假上));
  EXPECT_EQ(memory::last_drag(), "主窗口");
  memory::click(c(窗口更多按钮));
  EXPECT_EQ(memory::popped_up_menu(), app::more_menu());
  EXPECT_TRUE(memory::choose_menu_item(app::more_menu(), MainCommand::设置));
  EXPECT_TRUE(ui::is_visible(c(外形框_设置)));
  memory::click(c(窗口最小化按钮));
  EXPECT_TRUE(ui::is_minimised(app::main_window));
  for (app::MainControl button : {窗口更多按钮, 窗口最小化按钮, 窗口关闭按钮})
    EXPECT_FALSE(memory::tooltip(c(button)).empty()) << static_cast<int>(button);
}

}  // namespace
}  // namespace orvane::testing

namespace orvane::testing {
namespace {

struct BoundCase {
  std::string board;
  std::string shown;
};

class BoardBound : public ::testing::TestWithParam<BoundCase> {};

TEST_P(BoardBound, CutsOnlyTheLinesThatAreTooLong) {
  EXPECT_EQ(app::bounded_for_display(GetParam().board), GetParam().shown);
}

const std::string kLongest(app::kMaxBoardLineChars, 'a');
const std::string kWideLongest = [] {
  std::string s;
  for (std::size_t i = 0; i < app::kMaxBoardLineChars; ++i) s += "字";
  return s;
}();
const std::string kMark(app::kCutMark);

INSTANTIATE_TEST_SUITE_P(
    Lines, BoardBound,
    ::testing::Values(
        BoundCase{"", ""}, BoundCase{"a\r\nb", "a\r\nb"}, BoundCase{kLongest, kLongest},
        BoundCase{kLongest + "b", kLongest + kMark},
        // Characters count, not bytes: 4096 Chinese characters fit.
        BoundCase{kWideLongest, kWideLongest}, BoundCase{kWideLongest + "字", kWideLongest + kMark},
        BoundCase{"x\r\n" + kLongest + "bb\r\ny\r\n", "x\r\n" + kLongest + kMark + "\r\ny\r\n"},
        BoundCase{kLongest + "b\r\n" + kLongest + "c", kLongest + kMark + "\r\n" + kLongest + kMark},
        BoundCase{std::string(100000, '\r'), std::string(app::kMaxBoardLineChars, '\r') + kMark}),
    [](const auto& case_info) { return "Case" + std::to_string(case_info.index); });

TEST_F(MainWindow, HugeEventLineIsShownCutAndKeptInTheFile) {
  const std::string list = "2040年1月1日/" + std::string(100000, 'x') + "\r\n2041年1月1日/短的";
  write_gbk("Orvane.txt", list);
  start();
  const std::string board = text_of(编辑框_显示);
  EXPECT_LT(board.size(), 10000u);
  EXPECT_NE(board.find(app::kCutMark), std::string::npos);
  EXPECT_NE(board.find("/短的"), std::string::npos);
  EXPECT_TRUE(board.ends_with("共 2 条"));
  EXPECT_EQ(read_utf8("Orvane.txt"), list) << "the file is never cut";
}

}  // namespace
}  // namespace orvane::testing

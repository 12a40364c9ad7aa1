// After the computer wakes up or the clock is set, the board and the title
// clock show the new time at once instead of up to 15 s later.
#include "app_fixture.h"

namespace orvane::testing {
namespace {

using ClockChange = AppTest;

constexpr std::string_view kList = "2030年1月2日3时4分5秒/完整格式示例";

TEST_F(ClockChange, RebuildsTheBoardAndTheTitleClockAtOnce) {
  write_gbk("Orvane.txt", kList);
  start();
  clock_.set(CivilTime{2030, 1, 1, 3, 4, 5});  // the clock went back a day
  memory::clock_change(app::main_window);
  EXPECT_EQ(text_of(编辑框_显示),
            "距离：2030年1月2日3时4分5秒/完整格式示例 [周三]\r\n还有：86400秒 = 1天00时00分00秒");
  EXPECT_EQ(text_of(窗口假上), "Kelu软件之倒计时牌 v1.11 - [2030年1月1日3时4分5秒 / 周二]");
  EXPECT_EQ(period_of(时钟_标题时刻), 20000);
  EXPECT_EQ(period_of(时钟_刷新倒计时), 15000) << "the refresh goes on as before";
}

TEST_F(ClockChange, InTheTrayTheBoardIsRebuiltButTheTitleClockStaysStopped) {
  write_gbk("Orvane.txt", kList);
  start();
  memory::click(c(窗口关闭按钮));
  clock_.set(CivilTime{2030, 1, 2, 3, 4, 5});
  memory::clock_change(app::main_window);
  EXPECT_EQ(text_of(编辑框_显示),
            "距离：2030年1月2日3时4分5秒/完整格式示例 [周三]\r\n已经过去：0秒 = 0天00时00分00秒");
  EXPECT_EQ(text_of(窗口假上), "Kelu软件之倒计时牌 v1.11");
  EXPECT_EQ(period_of(时钟_标题时刻), 0);
  EXPECT_EQ(period_of(时钟_刷新倒计时), 0);
}

}  // namespace
}  // namespace orvane::testing

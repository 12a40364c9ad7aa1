#include "app_fixture.h"

namespace orvane::testing {
namespace {

struct ScreenCase {
  const char* name;
  ui::Rect work_area;
  int gap, height, top;
};

class Layout : public AppTest, public ::testing::WithParamInterface<ScreenCase> {};

bool same(ui::Rect a, ui::Rect b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

#define EXPECT_RECT(actual, l, t, w, h)                                                          \
  do {                                                                                           \
    const ui::Rect r_ = (actual);                                                                \
    EXPECT_TRUE(same(r_, ui::Rect{l, t, w, h}))                                                  \
        << #actual << " is " << r_.left << "," << r_.top << " " << r_.width << "x" << r_.height; \
  } while (0)

TEST_P(Layout, MatchesTheWorkedNumbers) {
  const ScreenCase& s = GetParam();
  memory::set_screen(ui::ScreenInfo{1024, 768, s.work_area});
  start();
  EXPECT_EQ(app::bottom_gap(), s.gap);
  const int h = s.height;
  EXPECT_RECT(ui::window_rect(app::main_window), 227, s.top, 569, h);
  EXPECT_RECT(ui::rect(c(外形框_启动)), 12, 32, 545, h - 76);
  EXPECT_RECT(ui::rect(c(编辑框_显示)), 2, 2, 540, h - 80);
  EXPECT_RECT(ui::rect(c(外形框_主界面几个按钮)), 8, h - 38, 549, 16);
  EXPECT_RECT(ui::rect(c(标签_设置成功)), 412, 2, 131, 22);
  EXPECT_RECT(ui::rect(c(窗口关闭按钮)), 547, 4, 20, 17);
  EXPECT_RECT(ui::rect(c(窗口最小化按钮)), 525, 4, 20, 17);
  EXPECT_RECT(ui::rect(c(窗口更多按钮)), 502, 4, 21, 17);
  EXPECT_RECT(ui::rect(c(选择框_自动刷新)), 442, 2, 56, 20);
  EXPECT_RECT(ui::rect(c(窗口假上)), 2, 0, 569, 24);
  EXPECT_RECT(ui::rect(c(窗口假左)), 0, 0, 2, h);
  EXPECT_RECT(ui::rect(c(窗口假右)), 567, 0, 2, h);
  EXPECT_RECT(ui::rect(c(窗口假下)), 0, h - 16, 569, 16);
}

INSTANTIATE_TEST_SUITE_P(Screens, Layout,
                         ::testing::Values(ScreenCase{"Taskbar30", {0, 0, 1024, 738}, 30, 698, 35},
                                           // The centred top would reach into the taskbar.
                                           ScreenCase{"Taskbar50", {0, 0, 1024, 718}, 50, 678, 38},
                                           ScreenCase{"TaskbarOnTop", {0, 30, 1024, 738}, 40, 688, 40},
                                           ScreenCase{"NoTaskbar", {0, 0, 1024, 768}, 40, 688, 40}),
                         [](const auto& case_info) { return std::string(case_info.param.name); });

}  // namespace
}  // namespace orvane::testing

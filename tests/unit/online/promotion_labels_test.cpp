// The promotion labels over successful, partial and failed ticks, their
// clicks, the online timers, the hint balloon, and the entry points through
// which other windows connect their labels.
#include "online/promotion_labels.h"

#include <string>
#include <vector>

#include "app/app_fixture.h"
#include "online/addresses.h"
#include "tools/marker_page_producer.h"

namespace orvane::testing {
namespace {

using online::AdLabel;
using tools::PageKind;

// A window that stands for the calendar pane or the date calculator window.
enum class Probe : int { 标签_广告 };
enum class ProbeTimer : int { 时钟_联机 };
constexpr ui::ControlDesign kProbeControls[] = {
    {0, "标签_广告", ui::Kind::Label, ui::kNoContainer, 0, 0, 321, 16, "淘宝淘实惠", 0}};
constexpr ui::TimerDesign kProbeTimers[] = {{0, "时钟_联机", 3000}};
const ui::WindowDesign kProbeWindow{"探针窗口", "探针窗口", 330, 200, 0, kProbeControls, kProbeTimers, {}};

const std::vector<tools::Section> kFullInfo = {
    {"文本", "底部文字"},
    {"链接", "http://ad.example/bottom?a=1&b=2"},
    {"设置中广告文本", "设置文字"},
    {"设置中广告链接", "http://ad.example/settings"},
    {"万年历中广告文本", "日历文字"},
    {"万年历中广告链接", "http://ad.example/calendar"},
};

class PromotionLabels : public AppTest {
 protected:
  PromotionLabels() {
    memory::set_registry_value("SOFTWARE\\Clients\\StartMenuInternet", "", "B");
    memory::set_registry_value("SOFTWARE\\Clients\\StartMenuInternet\\B\\shell\\open\\command", "", "b.exe");
  }

  static void serve(std::string_view url, PageKind kind, const std::vector<tools::Section>& sections) {
    memory::serve_page(std::string(url), tools::make_marker_page(kind, sections));
  }
  // The address the browser was started with for a press on the label.
  static std::string press(ui::Control label) {
    const std::size_t before = memory::started_processes().size();
    memory::mouse_down(label);
    if (memory::started_processes().size() != before + 1) return "(nothing started)";
    return memory::started_processes().back().substr(std::string("b.exe ").size());
  }
  static std::string press(app::MainControl id) { return press(c(id)); }
  static std::string shop() { return std::string(online::shop_channel_url); }
};

TEST_F(PromotionLabels, BeforeTheFirstTickEveryLabelOpensTheShopChannel) {
  start();
  EXPECT_EQ(text_of(窗口假下), "淘宝淘实惠");
  EXPECT_EQ(text_of(标签_二广告), " 淘宝淘实惠");
  for (auto id : {窗口假下, 标签_设置下广告, 标签_二广告}) EXPECT_EQ(press(id), shop());
}

TEST_F(PromotionLabels, ASuccessfulTickFillsEveryLabelAndLink) {
  start();
  const ui::Window pane = ui::load_window(kProbeWindow);
  const ui::Control calendar = ui::control(pane, Probe::标签_广告);
  online::connect_promotion_label(AdLabel::Calendar, calendar);
  serve(online::info_page_url, PageKind::Info, kFullInfo);
  ASSERT_TRUE(memory::fire(t(时钟_联机)));
  EXPECT_EQ(text_of(窗口假下), "底部文字");
  EXPECT_EQ(text_of(标签_设置下广告), "设置文字");
  EXPECT_EQ(text_of(标签_二广告), " 设置文字");
  EXPECT_EQ(ui::text(calendar), "日历文字");
  EXPECT_EQ(press(窗口假下), "http://ad.example/bottom?a=1&b=2");
  EXPECT_EQ(press(标签_设置下广告), "http://ad.example/settings");
  EXPECT_EQ(press(标签_二广告), "http://ad.example/settings");
  EXPECT_EQ(press(calendar), "http://ad.example/calendar");
}

TEST_F(PromotionLabels, MissingOrEmptySectionsFallBackLabelByLabel) {
  start();
  serve(online::info_page_url, PageKind::Info,
        {{"文本", "只有文字"}, {"设置中广告文本", ""}, {"设置中广告链接", "http://ad.example/settings"}});
  ASSERT_TRUE(memory::fire(t(时钟_联机)));
  EXPECT_EQ(text_of(窗口假下), "只有文字");
  EXPECT_EQ(press(窗口假下), shop()) << "text without a link";
  EXPECT_EQ(text_of(标签_设置下广告), "淘宝淘实惠");
  EXPECT_EQ(text_of(标签_二广告), " 淘宝淘实惠");
  // The caption decides: a label showing its creation caption opens the shop.
  EXPECT_EQ(press(标签_设置下广告), shop());
  EXPECT_EQ(press(标签_二广告), shop());
}

TEST_F(PromotionLabels, AFailedTickResetsOnlyTheBottomStrip) {
  start();
  serve(online::info_page_url, PageKind::Info, kFullInfo);
  ASSERT_TRUE(memory::fire(t(时钟_联机)));
  for (const auto& failure : {std::optional<std::string>(), utf8_to_gbk("[总开始]ZZ[总结束]")}) {
    memory::serve_page(std::string(online::info_page_url), failure);
    ASSERT_TRUE(memory::fire(t(时钟_联机)));
    EXPECT_EQ(text_of(窗口假下), "淘宝淘实惠");
    EXPECT_EQ(press(窗口假下), shop());
    EXPECT_EQ(text_of(标签_设置下广告), "设置文字");
    EXPECT_EQ(press(标签_二广告), "http://ad.example/settings");
  }
}

TEST_F(PromotionLabels, OnlineTimerComesWithinSecondsThenEveryFewMinutesReArmedBeforeFetching) {
  start();
  const int first = period_of(时钟_联机);
  EXPECT_GE(first, 5000);
  EXPECT_LE(first, 8000);
  std::vector<int> during;
  memory::during_requests([&] { during.push_back(period_of(时钟_联机)); });
  for (int i = 0; i < 20; ++i) {
    memory::set_tick_count(static_cast<std::uint32_t>(1000 * i));
    ASSERT_TRUE(memory::fire(t(时钟_联机)));
  }
  ASSERT_EQ(during.size(), 20u);
  for (int p : during) {
    EXPECT_EQ(p % 60000, 0);
    EXPECT_GE(p / 60000, 5);
    EXPECT_LE(p / 60000, 8);
  }
}

TEST_F(PromotionLabels, HintBalloonOnceAtTheCentreOfTheMoreButton) {
  start();
  EXPECT_EQ(period_of(时钟_启动后稍候弹出提示), 5000);
  ASSERT_TRUE(memory::fire(t(时钟_启动后稍候弹出提示)));
  EXPECT_FALSE(memory::fire(t(时钟_启动后稍候弹出提示))) << "fires once";
  std::vector<memory::Balloon> mine;  // the search box shows its own at start
  for (const auto& b : memory::balloons())
    if (b.window == app::main_window) mine.push_back(b);
  ASSERT_EQ(mine.size(), 1u);
  const ui::Rect w = ui::window_rect(app::main_window), more = ui::rect(c(窗口更多按钮));
  // The button is 21 by 17: the halves are cut toward zero with the sums.
  EXPECT_EQ(more.width % 2, 1);
  EXPECT_EQ(mine[0].at, (ui::Point{w.left + more.left + 10, w.top + more.top + 8}));
  EXPECT_EQ(mine[0].text, "单击此按钮可设置更多倒计时事件");
}

TEST_F(PromotionLabels, MiniInfoTimerMovesToMinutesAfterItsFirstTick) {
  start();
  EXPECT_GE(period_of(时钟_迷你资讯), 25000);
  EXPECT_LE(period_of(时钟_迷你资讯), 30000);
  ASSERT_TRUE(memory::fire(t(时钟_迷你资讯)));
  const int p = period_of(时钟_迷你资讯);
  EXPECT_EQ(p % 60000, 0);
  EXPECT_GE(p / 60000, 25);
  EXPECT_LE(p / 60000, 35);
}

TEST_F(PromotionLabels, CalculatorWindowFillsItsLabelOnceFromItsPage) {
  start();
  serve(online::calculator_page_url, PageKind::Calculator,
        {{"广告文本", "计算器文字"}, {"广告链接", "http://ad.example/calc"}});
  const ui::Window calc = ui::load_window(kProbeWindow);
  const ui::Control label = ui::control(calc, Probe::标签_广告);
  const ui::Timer timer = ui::timer(calc, ProbeTimer::时钟_联机);
  online::connect_calculator_online(label, timer);
  EXPECT_EQ(press(label), shop());
  ASSERT_TRUE(memory::fire(timer));
  EXPECT_EQ(ui::period(timer), 0);
  EXPECT_EQ(ui::text(label), "计算器文字");
  EXPECT_EQ(press(label), "http://ad.example/calc");
  ui::destroy_window(calc);

  // Opened again while the page fails: the defaults.
  memory::serve_page(std::string(online::calculator_page_url), std::nullopt);
  const ui::Window again = ui::load_window(kProbeWindow);
  const ui::Control label2 = ui::control(again, Probe::标签_广告);
  online::connect_calculator_online(label2, ui::timer(again, ProbeTimer::时钟_联机));
  ASSERT_TRUE(memory::fire(ui::timer(again, ProbeTimer::时钟_联机)));
  EXPECT_EQ(ui::text(label2), "淘宝淘实惠");
  EXPECT_EQ(online::calculator_ad_link, shop());
}

TEST_F(PromotionLabels, CalculatorClosedDuringItsFetchDropsTheResult) {
  start();
  serve(online::calculator_page_url, PageKind::Calculator,
        {{"广告文本", "计算器文字"}, {"广告链接", "http://ad.example/calc"}});
  const ui::Window calc = ui::load_window(kProbeWindow);
  const ui::Timer timer = ui::timer(calc, ProbeTimer::时钟_联机);
  online::connect_calculator_online(ui::control(calc, Probe::标签_广告), timer);
  memory::during_requests([calc] { ui::destroy_window(calc); });
  ASSERT_TRUE(memory::fire(timer));
  EXPECT_FALSE(ui::window_exists(calc));
  EXPECT_EQ(online::calculator_ad_link, "");
}

}  // namespace
}  // namespace orvane::testing

#include "calendar/date_calculator.h"

#include "app_fixture.h"
#include "online/addresses.h"
#include "tools/marker_page_producer.h"

namespace orvane::testing {
namespace {

using calendar::calculator_control;
using calendar::CalculatorControl;

class DateCalculator : public AppTest {
 protected:
  DateCalculator() { clock_.set(CivilTime{2024, 5, 6, 14, 3, 27}); }
  void open() {
    memory::click(c(窗口更多按钮));
    ASSERT_TRUE(memory::choose_menu_item(app::more_menu(), MainCommand::日期间隔计算器));
    ASSERT_TRUE(ui::window_exists(calendar::date_calculator_window()));
  }
  static ui::Control cc(CalculatorControl id) { return calculator_control(id); }
  static void set_date(CalculatorControl box, CivilTime t) { ui::set_date_value(cc(box), to_date_time(t)); }
  static std::string last_message() {
    const auto& m = memory::messages();
    return m.empty() ? std::string("(none)") : m.back().text;
  }
};

TEST_F(DateCalculator, OpensShrunkToItsFrameAndCentredWithEveryBoxAtTheMoment) {
  start();
  open();
  const ui::Window w = calendar::date_calculator_window();
  EXPECT_EQ(ui::window_rect(w), (ui::Rect{(1024 - 325) / 2, (768 - 291) / 2, 325, 291}));
  EXPECT_EQ(ui::rect(cc(CalculatorControl::外形框1)), (ui::Rect{0, 0, 325, 291}));
  EXPECT_TRUE(ui::is_window_visible(w));
  EXPECT_EQ(ui::caption(w), "");
  const DateTime now = to_date_time(CivilTime{2024, 5, 6, 14, 3, 27});
  for (auto box : {CalculatorControl::日期框_1, CalculatorControl::日期框_2, CalculatorControl::日期框_3}) {
    EXPECT_EQ(ui::date_value(cc(box)), now);
    EXPECT_EQ(memory::date_format(cc(box)), "yyyy年MM月dd日 HH时mm分ss秒");
  }
  EXPECT_EQ(ui::text(cc(CalculatorControl::编辑框_天)), "");
}

TEST_F(DateCalculator, IntervalEitherWayRoundAndTheFocusOnTimeOne) {
  start();
  open();
  set_date(CalculatorControl::日期框_1, {2024, 5, 6, 14, 3, 27});
  set_date(CalculatorControl::日期框_2, {2024, 5, 7, 15, 4, 28});
  memory::click(cc(CalculatorControl::超级按钮1));
  EXPECT_EQ(last_message(), " 两时间差：90061秒 / 1天01时01分01秒");
  EXPECT_EQ(memory::messages().back().title, "信息：");
  EXPECT_EQ(memory::message_owners().back(), calendar::date_calculator_window());
  EXPECT_TRUE(ui::has_focus(cc(CalculatorControl::日期框_1)));

  set_date(CalculatorControl::日期框_1, {2024, 5, 7, 15, 4, 28});
  set_date(CalculatorControl::日期框_2, {2024, 5, 6, 14, 3, 27});
  memory::click(cc(CalculatorControl::超级按钮1));
  EXPECT_EQ(last_message(), " 两时间差：90061秒 / 1天01时01分01秒");

  set_date(CalculatorControl::日期框_2, {2024, 5, 7, 15, 4, 28});
  memory::click(cc(CalculatorControl::超级按钮1));
  EXPECT_EQ(last_message(), " 两时间差：0秒 / 0天00时00分00秒");
}

TEST(DateInterval, BeyondTheThirtyTwoBitCountShowsTheTrueValue) {
  const DateTime a = to_date_time(CivilTime{1901, 1, 1, 0, 0, 0});
  const DateTime b = to_date_time(CivilTime{2049, 12, 31, 23, 59, 59});
  // 54 421 days and 86 399 seconds.
  EXPECT_EQ(calendar::interval_text(a, b), " 两时间差：4702060799秒 / 54421天23时59分59秒");
  const DateTime before_1900 = to_date_time(CivilTime{1899, 12, 29, 6, 0, 0});
  EXPECT_EQ(calendar::interval_text(before_1900, to_date_time(CivilTime{1899, 12, 30, 6, 0, 0})),
            " 两时间差：86400秒 / 1天00时00分00秒");
}

struct Offset {
  const char* what;
  const char* days;
  const char* box_after;
  const char* message;
};

class OffsetDates : public DateCalculator, public ::testing::WithParamInterface<Offset> {};

TEST_P(OffsetDates, ShowTheDateAndWeekdayAndFocusTheDayBox) {
  start();
  open();
  set_date(CalculatorControl::日期框_3, {2024, 5, 6, 14, 3, 27});
  ui::set_text(cc(CalculatorControl::编辑框_天), GetParam().days);
  memory::click(cc(CalculatorControl::超级按钮2));
  EXPECT_EQ(last_message(), GetParam().message);
  EXPECT_EQ(ui::text(cc(CalculatorControl::编辑框_天)), GetParam().box_after);
  EXPECT_TRUE(ui::has_focus(cc(CalculatorControl::编辑框_天)));
  EXPECT_EQ(ui::date_value(cc(CalculatorControl::日期框_3)), to_date_time(CivilTime{2024, 5, 6, 14, 3, 27}))
      << "the result is shown, not stored";
}

constexpr const char* kOutOfRange = "推算出的日期超出了可以表示的范围（公元100年至9999年），请换一个天数。";

INSTANTIATE_TEST_SUITE_P(
    Days, OffsetDates,
    ::testing::Values(Offset{"Ten", "10", "10", "2024年5月16日14时3分27秒，周四"},
                      Offset{"MinusOne", "-1", "-1", "2024年5月5日14时3分27秒，周日"},
                      Offset{"FractionTowardZero", "2.9", "2.9", "2024年5月8日14时3分27秒，周三"},
                      Offset{"NegativeFractionTowardZero", "-2.9", "-2.9", "2024年5月4日14时3分27秒，周六"},
                      Offset{"NotANumber", "abc", "abc", "2024年5月6日14时3分27秒，周一"},
                      Offset{"EmptyBecomesZero", "", "0", "2024年5月6日14时3分27秒，周一"},
                      Offset{"BeyondYear9999", "3000000", "3000000", kOutOfRange},
                      Offset{"BeyondThe32BitCount", "1e12", "1e12", kOutOfRange},
                      Offset{"BeforeYear100", "-800000", "-800000", kOutOfRange}),
    [](const auto& case_info) { return std::string(case_info.param.what); });

TEST_F(DateCalculator, MidnightStartShowsTheDateAlone) {
  start();
  open();
  set_date(CalculatorControl::日期框_3, {2024, 5, 6, 0, 0, 0});
  memory::click(cc(CalculatorControl::超级按钮2));
  EXPECT_EQ(last_message(), "2024年5月6日，周一");
}

TEST_F(DateCalculator, NowLabelsSetTheirOwnBox) {
  start();
  open();
  for (auto box : {CalculatorControl::日期框_1, CalculatorControl::日期框_2, CalculatorControl::日期框_3})
    set_date(box, {2000, 1, 1, 0, 0, 0});
  clock_.set(CivilTime{2025, 7, 8, 9, 10, 11});
  memory::mouse_down(cc(CalculatorControl::标签3));
  const DateTime now = to_date_time(CivilTime{2025, 7, 8, 9, 10, 11});
  const DateTime old = to_date_time(CivilTime{2000, 1, 1, 0, 0, 0});
  EXPECT_EQ(ui::date_value(cc(CalculatorControl::日期框_1)), old);
  EXPECT_EQ(ui::date_value(cc(CalculatorControl::日期框_2)), now);
  EXPECT_EQ(ui::date_value(cc(CalculatorControl::日期框_3)), old);
  memory::mouse_down(cc(CalculatorControl::标签2));
  memory::mouse_down(cc(CalculatorControl::标签4));
  EXPECT_EQ(ui::date_value(cc(CalculatorControl::日期框_1)), now);
  EXPECT_EQ(ui::date_value(cc(CalculatorControl::日期框_3)), now);
}

TEST_F(DateCalculator, OneWindowAtMostRestoredWithItsValues) {
  start();
  open();
  const ui::Window first = calendar::date_calculator_window();
  ui::set_text(cc(CalculatorControl::编辑框_天), "12");
  ui::minimise_window(first);
  memory::mouse_down(c(标签2));  // the settings pane's 日期间隔计算器
  EXPECT_EQ(calendar::date_calculator_window(), first);
  EXPECT_FALSE(ui::is_minimised(first));
  EXPECT_EQ(ui::text(cc(CalculatorControl::编辑框_天)), "12");

  memory::mouse_down(cc(CalculatorControl::标签_日期间隔计算器假标题栏));
  EXPECT_EQ(memory::last_drag(), "日期间隔计算器");
  memory::mouse_down(cc(CalculatorControl::标签1));  // ×
  EXPECT_FALSE(ui::window_exists(first));
  open();
  EXPECT_NE(calendar::date_calculator_window(), first);
  EXPECT_EQ(ui::text(cc(CalculatorControl::编辑框_天)), "") << "a new window starts afresh";
}

TEST_F(DateCalculator, PromotionTimerTicksOnce) {
  start();
  open();
  const ui::Timer online =
      ui::timer(calendar::date_calculator_window(), calendar::CalculatorTimer::时钟_联机);
  EXPECT_EQ(ui::period(online), 3000);
  EXPECT_TRUE(memory::fire(online));
  EXPECT_FALSE(memory::fire(online));
}

}  // namespace
}  // namespace orvane::testing

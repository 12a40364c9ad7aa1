#include "calendar/calendar_pane.h"

#include <algorithm>

#include "app_fixture.h"
#include "calendar/month_calendar.h"
#include "online/addresses.h"
#include "tools/marker_page_producer.h"

namespace orvane::testing {
namespace {

using calendar::Date;
using calendar::MonthCalendar;

class CalendarPane : public AppTest {
 protected:
  std::string calendar_text() const { return text_of(农历月历1); }
};

TEST_F(CalendarPane, StartsHiddenInGregorianMonths) {
  start();
  EXPECT_FALSE(ui::is_visible(c(外形框_万年历)));
  EXPECT_EQ(calendar::month_calendar().month_view(), calendar::kGregorianMonthView);
  EXPECT_EQ(calendar_text(), "2030年1月2日 农历己酉年冬月廿九");
}

struct Opener {
  const char* what;
  void (*open)();
};

class CalendarOpeners : public CalendarPane, public ::testing::WithParamInterface<Opener> {};

TEST_P(CalendarOpeners, OpenCentredOnTodayAfterADragAndAMove) {
  start();
  GetParam().open();
  const ui::Rect centred{(569 - 384) / 2, (698 - 331) / 2, 384, 331};
  EXPECT_TRUE(ui::is_visible(c(外形框_万年历)));
  EXPECT_EQ(ui::rect(c(外形框_万年历)), centred);
  EXPECT_EQ(centred.left, 92);

  memory::mouse_down(c(标签_万年历标题栏));
  EXPECT_EQ(memory::last_drag(), "外形框_万年历");
  ui::set_rect(c(外形框_万年历), ui::Rect{0, 0, 384, 331});  // where the drag left it
  memory::key(c(农历月历1), ui::Key::PageDown);
  clock_.set(CivilTime{2031, 6, 7, 8, 0, 0});
  GetParam().open();
  EXPECT_EQ(ui::rect(c(外形框_万年历)), centred);
  EXPECT_EQ(calendar_text(), "2031年6月7日 农历辛亥年四月十八");
}

INSTANTIATE_TEST_SUITE_P(BothOpeners, CalendarOpeners,
                         ::testing::Values(Opener{"MoreMenu",
                                                  [] {
                                                    memory::click(app::main_control(窗口更多按钮));
                                                    ASSERT_TRUE(memory::choose_menu_item(
                                                        app::more_menu(), MainCommand::万年历));
                                                  }},
                                           Opener{"SettingsPaneLabel",
                                                  [] {
                                                    memory::click(app::main_control(窗口更多按钮));
                                                    ASSERT_TRUE(memory::choose_menu_item(app::more_menu(),
                                                                                         MainCommand::设置));
                                                    memory::mouse_down(app::main_control(万年历));
                                                  }}),
                         [](const auto& case_info) { return std::string(case_info.param.what); });

TEST_F(CalendarPane, ViewLabelsTodayAndCloseKeepTheChosenGrid) {
  clock_.set(CivilTime{2024, 2, 20, 9, 30, 0});
  start();
  calendar::show_calendar_pane();
  memory::mouse_down(c(农历标签));
  EXPECT_EQ(calendar::month_calendar().month_view(), calendar::kLunarMonthView);
  memory::key(c(农历月历1), ui::Key::PageUp);
  memory::mouse_down(c(公历标签1));  // 今天
  EXPECT_EQ(calendar_text(), "2024年2月20日 农历甲辰年正月十一");
  EXPECT_EQ(calendar::month_calendar().month().first, (Date{2024, 2, 10})) << "the lunar month of today";

  memory::mouse_down(c(标签6));
  EXPECT_FALSE(ui::is_visible(c(外形框_万年历)));
  calendar::show_calendar_pane();
  EXPECT_EQ(calendar::month_calendar().month_view(), calendar::kLunarMonthView);
  memory::mouse_down(c(公历标签));
  EXPECT_EQ(calendar::month_calendar().month().first, (Date{2024, 2, 1}));
}

TEST_F(CalendarPane, TodayOutsideTheCalendarYearsLeavesTheDate) {
  start();
  calendar::show_calendar_pane();
  clock_.set(CivilTime{2050, 1, 1, 0, 0, 0});
  memory::mouse_down(c(公历标签1));
  calendar::show_calendar_pane();
  EXPECT_EQ(calendar_text(), "2030年1月2日 农历己酉年冬月廿九");
}

TEST_F(CalendarPane, MonthViewsOtherThanGregorianShowTheLunarGrid) {
  start();
  for (int view : {0, 2, -1, 7}) {
    calendar::set_calendar_month_view(view);
    EXPECT_TRUE(calendar::month_calendar().shows_lunar_month()) << view;
  }
  calendar::set_calendar_month_view(1);
  EXPECT_FALSE(calendar::month_calendar().shows_lunar_month());
}

TEST_F(CalendarPane, DrawingShowsTheMonthTodayAndTheSelectedDay) {
  clock_.set(CivilTime{2024, 2, 10, 12, 0, 0});
  start();
  calendar::show_calendar_pane();
  const ui::Canvas canvas = memory::paint(c(农历月历1));
  EXPECT_EQ(canvas.width(), MonthCalendar::kWidth);
  const auto& steps = canvas.steps();
  const auto has_text = [&](const std::string& t) {
    return std::any_of(steps.begin(), steps.end(),
                       [&](const ui::DrawStep& s) { return s.op == ui::DrawStep::Op::Text && s.text == t; });
  };
  EXPECT_TRUE(has_text("2024年2月  甲辰龙年"));
  EXPECT_TRUE(has_text("春节"));    // 2024-02-10
  EXPECT_TRUE(has_text("情人节"));  // 2024-02-14
  EXPECT_TRUE(has_text("雨水"));    // 2024-02-19
  EXPECT_TRUE(has_text("初二"));
  // 2024-02-01 is a Thursday: the grid opens on Sunday 28 January, so the
  // 10th is the second row's last cell.
  const ui::Rect tenth = MonthCalendar::cell_rect(1, 6);
  const auto frame = std::find_if(steps.begin(), steps.end(),
                                  [](const ui::DrawStep& s) { return s.op == ui::DrawStep::Op::Frame; });
  ASSERT_NE(frame, steps.end()) << "today is framed";
  EXPECT_EQ(frame->rect, tenth);
  const auto selected = std::find_if(steps.begin(), steps.end(), [&](const ui::DrawStep& s) {
    return s.op == ui::DrawStep::Op::Fill && s.rect == tenth;
  });
  EXPECT_NE(selected, steps.end()) << "the selected day is filled";
}

TEST_F(CalendarPane, PromotionLabelIsFilledByTheMainWindowsOnlineTick) {
  start();
  memory::serve_page(std::string(online::info_page_url),
                     tools::make_marker_page(tools::PageKind::Info, {{"万年历中广告文本", "日历文字"}}));
  ASSERT_TRUE(memory::fire(t(时钟_联机)));
  EXPECT_EQ(text_of(标签_万年历广告), "日历文字");
}

// --- Moving inside the control ----------------------------------------------

struct Move {
  const char* what;
  Date from;
  int view;
  std::function<void(ui::Control)> act;
  Date to;
};

class CalendarMoves : public CalendarPane, public ::testing::WithParamInterface<Move> {};

TEST_P(CalendarMoves, StayInTheCalendarYears) {
  start();
  const Move& m = GetParam();
  calendar::set_calendar_month_view(m.view);
  calendar::set_calendar_date(to_date_time(CivilTime{m.from.year, m.from.month, m.from.day}));
  m.act(c(农历月历1));
  EXPECT_EQ(calendar::month_calendar().date(), m.to);
  const Date d = calendar::month_calendar().date();
  EXPECT_EQ(calendar_text(), calendar::full_text(d.year, d.month, d.day)) << "the window text follows";
}

auto key(ui::Key k, int times = 1) {
  return [k, times](ui::Control cal) {
    for (int i = 0; i < times; ++i) memory::key(cal, k);
  };
}
auto press(ui::Point at) {
  return [at](ui::Control cal) { memory::mouse(cal, ui::MouseEvent{ui::Mouse::LeftDown, at}); };
}
auto button(MonthCalendar::Button b) {
  const ui::Rect r = MonthCalendar::button_rect(b);
  return press(ui::Point{r.left + r.width / 2, r.top + r.height / 2});
}
auto wheel(int notches) {
  return [notches](ui::Control cal) {
    memory::mouse(cal, ui::MouseEvent{ui::Mouse::Wheel, {100, 100}, notches});
  };
}

constexpr int kGregorian = calendar::kGregorianMonthView, kLunar = calendar::kLunarMonthView;
using B = MonthCalendar::Button;
using K = ui::Key;

INSTANTIATE_TEST_SUITE_P(
    Moves, CalendarMoves,
    ::testing::Values(
        Move{"ArrowsByDayAndWeek",
             {2024, 2, 28},
             kGregorian,
             [](ui::Control cal) {
               memory::key(cal, K::Right);
               memory::key(cal, K::Right);
               memory::key(cal, K::Down);
               memory::key(cal, K::Left);
             },
             {2024, 3, 7}},
        Move{"PageDownKeepsTheDayWhereTheMonthHasIt",
             {2024, 1, 31},
             kGregorian,
             key(K::PageDown),
             {2024, 2, 29}},
        Move{"NextYearFromALeapDay", {2024, 2, 29}, kGregorian, button(B::NextYear), {2025, 2, 28}},
        Move{"WheelAwayGoesBack", {2024, 3, 15}, kGregorian, wheel(2), {2024, 1, 15}},
        Move{"WheelTowardsGoesOn", {2024, 3, 15}, kGregorian, wheel(-1), {2024, 4, 15}},
        Move{"PreviousMonthButton", {2024, 3, 15}, kGregorian, button(B::PreviousMonth), {2024, 2, 15}},
        Move{"HomeAndEnd", {2024, 2, 10}, kGregorian, key(K::End), {2024, 2, 29}},
        // 2024-02-01 is a Thursday: row 2, column 3 is 28 January + 17 days.
        Move{"ClickSelectsTheCell",
             {2024, 2, 10},
             kGregorian,
             press({MonthCalendar::cell_rect(2, 3).left + 5, MonthCalendar::cell_rect(2, 3).top + 5}),
             {2024, 2, 14}},
        Move{"ClickOnTheHeadingChangesNothing", {2024, 2, 10}, kGregorian, press({180, 10}), {2024, 2, 10}},
        Move{"NoDayBefore1901", {1901, 1, 3}, kGregorian, key(K::Up), {1901, 1, 1}},
        Move{"NoMonthBefore1901", {1901, 1, 20}, kLunar, key(K::PageUp), {1901, 1, 1}},
        Move{"NoYearAfter2049", {2049, 6, 1}, kGregorian, button(B::NextYear), {2049, 12, 31}},
        Move{"NoLunarYearAfter2049", {2049, 6, 1}, kLunar, button(B::NextYear), {2049, 12, 31}},
        Move{"NoDayAfter2049", {2049, 12, 30}, kGregorian, key(K::Right, 3), {2049, 12, 31}},
        // 2023 has a leap second month: 二月初一 2023-02-20, 闰二月初一 03-22, 三月初一 04-20.
        Move{"LunarPageDownEntersTheLeapMonth", {2023, 2, 25}, kLunar, key(K::PageDown), {2023, 3, 27}},
        Move{"LunarPageDownLeavesTheLeapMonth", {2023, 3, 27}, kLunar, key(K::PageDown), {2023, 4, 25}},
        Move{"LunarPageUpBackIntoTheLeapMonth", {2023, 4, 25}, kLunar, key(K::PageUp), {2023, 3, 27}},
        // 甲辰 has no leap month: 闰二月初六 becomes 二月初六, 2024-03-15.
        Move{"LunarYearFromALeapMonth", {2023, 3, 27}, kLunar, button(B::NextYear), {2024, 3, 15}},
        // 癸卯 腊月 runs from 2024-01-11 to its 三十, 02-09.
        Move{"LunarEndGoesToTheMonthsLastDay", {2024, 1, 11}, kLunar, key(K::End), {2024, 2, 9}}),
    [](const auto& case_info) { return std::string(case_info.param.what); });

}  // namespace
}  // namespace orvane::testing

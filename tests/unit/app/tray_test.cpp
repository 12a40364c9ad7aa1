// The tray icon, both pop-up menus, hiding to the tray, coming back and
// leaving the program.
#include <ostream>
#include <string>
#include <vector>

#include "app_fixture.h"
#include "calendar/date_calculator.h"
#include "searchbox/search_box.h"
#include "tray/main_window_tray.h"

namespace orvane::testing {
namespace {

using Tray = AppTest;

TEST_F(Tray, MenusShowExactlyTheirItems) {
  start();
  EXPECT_EQ(memory::menu_outline(app::tray_menu()),
            "显示主窗口|-|有事件过期时[声音提示|-|闪烁托盘*]|-|淘宝搜索框|-|淘宝淘实惠|-|退出");
  EXPECT_EQ(memory::menu_outline(app::more_menu()),
            "设置|-|万年历|-|日期间隔计算器|-|备份恢复[备份|-|恢复]|-|检查更新|-|淘宝搜索框|-|淘宝淘实惠");
  // The hidden switch keeps its check mark and comes out with its separator.
  EXPECT_FALSE(memory::choose_menu_item(app::tray_menu(), MainCommand::激活窗口));
  ui::set_menu_checked(app::tray_menu(), MainCommand::激活窗口, true);
  ui::show_menu_item(app::tray_menu(), MainCommand::激活窗口, true);
  EXPECT_EQ(memory::menu_outline(app::tray_menu()),
            "显示主窗口|-|有事件过期时[声音提示|-|闪烁托盘*|激活窗口*]|-|淘宝搜索框|-|淘宝淘实惠|-|退出");
}

TEST_F(Tray, AnyMouseActionOnTheIconOpensTheTrayMenu) {
  start();
  memory::set_cursor_position(ui::Point{1000, 750});
  memory::tray_icon_event(app::main_window);
  EXPECT_EQ(memory::popped_up_menu(), app::tray_menu());
  // Hidden to the tray, the icon still opens it.
  memory::click(c(窗口关闭按钮));
  ASSERT_TRUE(memory::choose_menu_item(app::tray_menu(), MainCommand::显示主窗口));
  EXPECT_EQ(memory::popped_up_menu(), std::nullopt);
  memory::tray_icon_event(app::main_window);
  EXPECT_EQ(memory::popped_up_menu(), app::tray_menu());
}

TEST_F(Tray, MoreMenuItemsReachTheirFeaturesAndLeaveTheBoard) {
  start();
  const std::string board = text_of(编辑框_显示);
  const ui::Window search_box = searchbox::search_box_window();
  for (MainCommand item : {MainCommand::万年历, MainCommand::日期间隔计算器, MainCommand::备份,
                           MainCommand::恢复, MainCommand::淘宝搜索框})
    EXPECT_TRUE(memory::choose_menu_item(app::more_menu(), item))
        << memory::menu_item_text(app::more_menu(), item);
  EXPECT_TRUE(memory::choose_menu_item(app::tray_menu(), MainCommand::淘宝搜索框));
  EXPECT_TRUE(ui::is_visible(c(外形框_万年历)));
  EXPECT_TRUE(ui::window_exists(calendar::date_calculator_window()));
  EXPECT_EQ(searchbox::search_box_window(), search_box) << "the open search box is not opened twice";
  EXPECT_TRUE(memory::messages().empty()) << "the file dialogs were cancelled";
  EXPECT_EQ(text_of(编辑框_显示), board);
  EXPECT_TRUE(ui::is_window_visible(app::main_window));
  EXPECT_FALSE(memory::exit_code());
  EXPECT_FALSE(exists("config.ini"));
}

// --- The three states of the main window ------------------------------------------

enum class State { Shown, Minimised, Hidden, Ended };

const char* name(State s) {
  switch (s) {
    case State::Shown:
      return "shown";
    case State::Minimised:
      return "minimised";
    case State::Hidden:
      return "hidden";
    case State::Ended:
      return "ended";
  }
  return "?";
}

// The state the main window is in, checked against the timers that go with it.
int period_of(app::MainTimer timer) { return ui::period(app::main_timer(timer)); }

std::string observed_state() {
  if (memory::exit_code()) return memory::tray_icon(app::main_window).present ? "ended with icon" : "ended";
  const bool visible = ui::is_window_visible(app::main_window);
  const bool refreshing = period_of(时钟_刷新倒计时) > 0 && period_of(时钟_标题时刻) > 0;
  const bool auto_open = period_of(时钟_缩至托盘自动打开) > 0;
  std::string s = !visible ? "hidden" : ui::is_minimised(app::main_window) ? "minimised" : "shown";
  if (visible && (!refreshing || auto_open)) s += " with wrong timers";
  if (!visible && (refreshing || !auto_open)) s += " with wrong timers";
  if (!memory::tray_icon(app::main_window).present) s += " without icon";
  return s;
}

struct Transition {
  State from;
  const char* action;
  State to;
};

class WindowStates : public AppTest, public ::testing::WithParamInterface<Transition> {
 protected:
  void act(std::string_view action) {
    if (action == "minimise button") {
      memory::click(c(窗口最小化按钮));
    } else if (action == "close button") {
      memory::click(c(窗口关闭按钮));
    } else if (action == "auto-open tick") {
      ASSERT_TRUE(memory::fire(t(时钟_缩至托盘自动打开)));
    } else if (action == "activation alert") {
      // The default list holds a passed event; the switch comes from config.ini.
      ASSERT_TRUE(memory::fire(t(时钟_激活窗口)));
    } else if (action == "system restore") {
      ui::bring_to_front(app::main_window);
    } else if (action == "显示主窗口") {
      ASSERT_TRUE(memory::choose_menu_item(app::tray_menu(), MainCommand::显示主窗口));
    } else if (action == "退出") {
      ASSERT_TRUE(memory::choose_menu_item(app::tray_menu(), MainCommand::退出));
    } else {
      FAIL() << "unknown action " << action;
    }
  }
};

TEST_P(WindowStates, Transition) {
  const Transition& tr = GetParam();
  write("config.ini", "[general]\r\njhck=yes\r\n");
  start();
  if (tr.from == State::Minimised) act("minimise button");
  if (tr.from == State::Hidden) act("close button");
  ASSERT_EQ(observed_state(), name(tr.from));
  const int fronts = memory::brought_to_front(app::main_window);
  act(tr.action);
  EXPECT_EQ(observed_state(), name(tr.to));
  if (tr.to == State::Shown && std::string_view(tr.action) != "system restore") {
    EXPECT_EQ(memory::brought_to_front(app::main_window), fronts + 1) << "brought to the front";
  }
}

INSTANTIATE_TEST_SUITE_P(Table, WindowStates,
                         ::testing::Values(Transition{State::Shown, "minimise button", State::Minimised},
                                           Transition{State::Minimised, "system restore", State::Shown},
                                           Transition{State::Minimised, "显示主窗口", State::Shown},
                                           Transition{State::Shown, "close button", State::Hidden},
                                           Transition{State::Minimised, "close button", State::Hidden},
                                           Transition{State::Hidden, "显示主窗口", State::Shown},
                                           Transition{State::Hidden, "auto-open tick", State::Shown},
                                           Transition{State::Hidden, "activation alert", State::Shown},
                                           Transition{State::Shown, "显示主窗口", State::Shown},
                                           Transition{State::Shown, "退出", State::Ended},
                                           Transition{State::Minimised, "退出", State::Ended},
                                           Transition{State::Hidden, "退出", State::Ended}),
                         [](const auto& case_info) { return "Case" + std::to_string(case_info.index); });

TEST_F(Tray, HidingStopsBoardAndTitleAndComingBackRestartsThem) {
  start();
  // A click on the refresh switch starts the confirmation label's timer.
  memory::click(c(选择框_自动刷新));
  memory::click(c(选择框_自动刷新));
  ASSERT_EQ(period_of(设置成功时钟), 3000);
  const int board_sets = memory::set_text_count(c(编辑框_显示));

  memory::click(c(窗口关闭按钮));
  EXPECT_TRUE(ui::is_minimised(app::main_window));
  EXPECT_EQ(period_of(时钟_刷新倒计时), 0);
  EXPECT_EQ(period_of(时钟_标题时刻), 0);
  EXPECT_EQ(period_of(设置成功时钟), 0);
  EXPECT_EQ(period_of(时钟_缩至托盘自动打开), 900000);
  // The alerts go on while hidden.
  EXPECT_EQ(period_of(时钟_闪托盘), 500);

  ASSERT_TRUE(memory::fire(t(时钟_缩至托盘自动打开)));
  EXPECT_EQ(period_of(时钟_缩至托盘自动打开), 0);
  EXPECT_EQ(period_of(时钟_刷新倒计时), 15000);
  EXPECT_EQ(period_of(时钟_标题时刻), 5000);
  EXPECT_FALSE(ui::is_minimised(app::main_window));
  EXPECT_EQ(memory::set_text_count(c(编辑框_显示)), board_sets) << "the board waits for its next tick";
  EXPECT_TRUE(ui::is_visible(c(标签_设置成功))) << "its timer was stopped while hidden";
  ASSERT_TRUE(memory::fire(t(时钟_标题时刻)));
  EXPECT_EQ(period_of(时钟_标题时刻), 20000);

  // Without automatic refresh the board stays still after coming back.
  memory::click(c(选择框_自动刷新));
  memory::click(c(窗口关闭按钮));
  ASSERT_TRUE(memory::choose_menu_item(app::tray_menu(), MainCommand::显示主窗口));
  EXPECT_EQ(period_of(时钟_刷新倒计时), 0);
  EXPECT_EQ(period_of(时钟_标题时刻), 5000);
}

TEST_F(Tray, OptionChangedInThePaneCountsAtTheNextHidingWithoutSaving) {
  start();
  ASSERT_TRUE(memory::choose_menu_item(app::more_menu(), MainCommand::设置));
  memory::click(c(选择框_程序缩至托盘后自动打开));
  memory::mouse_down(c(标签4));  // closes the pane without saving
  memory::click(c(窗口关闭按钮));
  EXPECT_EQ(period_of(时钟_缩至托盘自动打开), 0);
  EXPECT_FALSE(exists("config.ini"));
}

struct MinutesCase {
  bool option;
  const char* minutes;
  int period;
};

void PrintTo(const MinutesCase& m, std::ostream* os) {
  *os << (m.option ? "option on, minutes \"" : "option off, minutes \"") << m.minutes << '"';
}

class AutoOpenMinutes : public AppTest, public ::testing::WithParamInterface<MinutesCase> {};

TEST_P(AutoOpenMinutes, GiveThePeriodAtHiding) {
  const MinutesCase& m = GetParam();
  write_gbk("config.ini", std::string("[general]\r\nautoactivate=") + (m.option ? "yes" : "no") +
                              "\r\nautoactivate_min=" + m.minutes + "\r\n");
  start();
  memory::click(c(窗口关闭按钮));
  EXPECT_EQ(period_of(时钟_缩至托盘自动打开), m.period);
  EXPECT_EQ(tray::auto_open_period(m.option, m.minutes), m.period);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AutoOpenMinutes,
    ::testing::Values(MinutesCase{true, "15", 900000}, MinutesCase{true, "0.5", 30000},
                      MinutesCase{true, "0.05", 3000}, MinutesCase{true, "１５", 900000},
                      MinutesCase{false, "15", 0}, MinutesCase{true, "", 0}, MinutesCase{true, "0", 0},
                      MinutesCase{true, "-", 0}, MinutesCase{true, "-3", 0}, MinutesCase{true, "abc", 0},
                      MinutesCase{true, "0.00001", 0},  // 0.6 ms truncates to 0
                      // The largest whole minutes that fit, then the longest period a timer takes.
                      MinutesCase{true, "35791", 2147460000},
                      MinutesCase{true, "35792", tray::kLongestPeriod},
                      MinutesCase{true, "1e300", tray::kLongestPeriod},
                      MinutesCase{true, "1e999", tray::kLongestPeriod}, MinutesCase{true, "-1e999", 0}),
    [](const auto& case_info) { return "Case" + std::to_string(case_info.index); });

TEST_F(Tray, ExitRemovesTheIconWritesTheFontAndEndsWithZero) {
  start();
  for (int i = 0; i < 3; ++i) memory::mouse_down(c(标签_字体增大));
  ASSERT_TRUE(memory::choose_menu_item(app::tray_menu(), MainCommand::退出));
  EXPECT_FALSE(memory::tray_icon(app::main_window).present);
  EXPECT_EQ(memory::exit_code(), 0);
  // A first exit creates config.ini with the font alone.
  EXPECT_EQ(read("config.ini"), "[general]\r\nfont=12\r\n");
}

TEST_F(Tray, ExitKeepsTheOtherKeysAndWritesNegativeSizes) {
  write("config.ini", "[general]\r\nsound=yes\r\nfont=9\r\njhck=yes\r\n");
  start();
  for (int i = 0; i < 11; ++i) memory::mouse_down(c(标签_字体缩小));
  ASSERT_TRUE(memory::choose_menu_item(app::tray_menu(), MainCommand::退出));
  EXPECT_EQ(read("config.ini"), "[general]\r\nsound=yes\r\nfont=-2\r\njhck=yes\r\n");
  // The next start reads it back.
  memory::reset();
  memory::set_executable_path((dir_ / "Orvane.exe").string());
  start();
  EXPECT_EQ(ui::font_size(c(编辑框_显示)), -2);
}

}  // namespace
}  // namespace orvane::testing

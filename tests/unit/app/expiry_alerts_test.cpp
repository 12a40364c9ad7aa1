// The alerts for passed events: sound, flashing tray icon, activation.
#include "tray/expiry_alerts.h"

#include <cstdint>
#include <string>

#include "app/board_view.h"
#include "app_fixture.h"
#include "tray/alert_sound.h"

namespace orvane::testing {
namespace {

constexpr std::string_view kTitle = "Kelu软件之倒计时牌 v1.11";
constexpr std::string_view kAlertTip = "Kelu软件之倒计时牌 v1.11\r\n有事件过期！";  // spelled out on purpose
// The clock stands at 2030-01-02 03:04:15.
constexpr std::string_view kPastEvent = "2030年1月2日3时4分5秒/过去的事件";
constexpr std::string_view kFutureEvent = "2040年11月27日/将来的事件";

class ExpiryAlerts : public AppTest {
 protected:
  ~ExpiryAlerts() override { tray::tray_flash_phase = 0; }

  void start_with(std::string_view list, std::string_view config = "") {
    tray::tray_flash_phase = 0;
    write_gbk("Orvane.txt", list);
    if (!config.empty()) write("config.ini", "[general]\r\n" + std::string(config));
    start();
  }
  // Saves a new list the way the settings pane does, which rebuilds the board.
  void save_list(std::string_view list) {
    ASSERT_TRUE(memory::choose_menu_item(app::more_menu(), MainCommand::设置));
    ui::set_text(c(编辑框_设置), list);
    memory::click(c(超级按钮_设置));
  }
  static std::string tray() {
    const memory::TrayIcon t = memory::tray_icon(app::main_window);
    return std::string(t.icon == ui::Icon::Blank ? "blank" : "normal") + " / " + t.tip;
  }
  static std::string normal() { return "normal / " + std::string(kTitle); }
  static std::string flashing(bool blank) {
    return (blank ? "blank / " : "normal / ") + std::string(kAlertTip);
  }
};

struct ExpiredCase {
  const char* list;
  bool expired;
};

class EventHasExpired : public ExpiryAlerts, public ::testing::WithParamInterface<ExpiredCase> {};

TEST_P(EventHasExpired, ReadsTheBoard) {
  start_with(GetParam().list);
  EXPECT_EQ(tray::event_has_expired(), GetParam().expired) << text_of(编辑框_显示);
}

INSTANTIATE_TEST_SUITE_P(Lists, EventHasExpired,
                         ::testing::Values(ExpiredCase{"2030年1月2日3时4分5秒/过去", true},
                                           ExpiredCase{"2030年1月2日3时4分15秒/这一秒",
                                                       true},  // the current second has passed
                                           ExpiredCase{"2030年1月2日3时4分16秒/下一秒", false},
                                           ExpiredCase{"2040年11月27日/将来\r\n2030年1月1日/过去", true},
                                           ExpiredCase{";2012年1月1日/世界末日", false},  // a comment line
                                           ExpiredCase{"不是日期/读不懂", false},  // the 60-year message
                                           ExpiredCase{"", false}),
                         [](const auto& case_info) { return "Case" + std::to_string(case_info.index); });

TEST_F(ExpiryAlerts, BoardIsReadAsLastBuiltNotTheFileOrTheClock) {
  start_with(kFutureEvent);
  write_gbk("Orvane.txt", kPastEvent);
  EXPECT_FALSE(tray::event_has_expired());
  ui::set_text(c(编辑框_显示), "用户在看板上打的字：已经过去：");
  EXPECT_TRUE(tray::event_has_expired());
}

TEST_F(ExpiryAlerts, WithoutConfigOnlyTheTrayFlashes) {
  start_with(kPastEvent);
  EXPECT_EQ(period_of(时钟_闪托盘), 500);
  EXPECT_EQ(period_of(时钟_声音提示), 0);
  EXPECT_EQ(period_of(时钟_激活窗口), 0);
  ASSERT_TRUE(memory::fire(t(时钟_闪托盘)));
  EXPECT_EQ(tray(), flashing(true));
}

TEST_F(ExpiryAlerts, FlashAlternatesOverARunOfTicks) {
  start_with(kPastEvent);
  EXPECT_EQ(tray(), normal());
  EXPECT_EQ(tray::tray_flash_phase, 0);
  for (int tick = 1; tick <= 6; ++tick) {
    ASSERT_TRUE(memory::fire(t(时钟_闪托盘)));
    const bool blank = tick % 2 == 1;
    EXPECT_EQ(tray(), flashing(blank)) << "tick " << tick;
    EXPECT_EQ(tray::tray_flash_phase, blank ? 1 : 2) << "tick " << tick;
  }
  // The passed event commented out and saved: the normal icon and tip return.
  save_list(";" + std::string(kPastEvent));
  ASSERT_TRUE(memory::fire(t(时钟_闪托盘)));
  EXPECT_EQ(tray(), normal());
  EXPECT_EQ(period_of(时钟_闪托盘), 500) << "the flashing waits for the next passed event";
  // Removing the ";" and saving starts it again at the next tick.
  save_list(kPastEvent);
  ASSERT_TRUE(memory::fire(t(时钟_闪托盘)));
  EXPECT_EQ(tray::tray_flash_phase, 1);
  EXPECT_EQ(tray(), flashing(true));
}

TEST_F(ExpiryAlerts, FlashSwitchOffWhileBlankBringsTheNormalIconBackAtOnce) {
  start_with(kPastEvent);
  ASSERT_TRUE(memory::fire(t(时钟_闪托盘)));
  ASSERT_EQ(tray(), flashing(true));
  ASSERT_TRUE(memory::choose_menu_item(app::tray_menu(), MainCommand::闪烁托盘));
  EXPECT_FALSE(ui::is_menu_checked(app::tray_menu(), MainCommand::闪烁托盘));
  EXPECT_EQ(tray(), normal());
  EXPECT_EQ(period_of(时钟_闪托盘), 0);
  EXPECT_EQ(read("config.ini"), "[general]\r\nsstp=no\r\n");

  ASSERT_TRUE(memory::choose_menu_item(app::tray_menu(), MainCommand::闪烁托盘));
  EXPECT_TRUE(ui::is_menu_checked(app::tray_menu(), MainCommand::闪烁托盘));
  EXPECT_EQ(period_of(时钟_闪托盘), 500);
  EXPECT_EQ(read("config.ini"), "[general]\r\nsstp=yes\r\n");
}

TEST_F(ExpiryAlerts, TickWithItsSwitchOffStopsItsTimer) {
  start_with(kPastEvent, "sound=yes\r\njhck=yes\r\n");
  ASSERT_TRUE(memory::fire(t(时钟_闪托盘)));
  ASSERT_TRUE(memory::fire(t(时钟_声音提示)));
  for (MainCommand item : {MainCommand::声音提示, MainCommand::闪烁托盘, MainCommand::激活窗口})
    ui::set_menu_checked(app::tray_menu(), item, false);
  for (app::MainTimer timer : {时钟_声音提示, 时钟_闪托盘, 时钟_激活窗口}) {
    ASSERT_TRUE(memory::fire(t(timer))) << static_cast<int>(timer);
    EXPECT_EQ(period_of(timer), 0) << static_cast<int>(timer);
  }
  EXPECT_EQ(tray(), normal());
  EXPECT_FALSE(memory::sound_log().playing);
  EXPECT_EQ(memory::brought_to_front(app::main_window), 0);
}

TEST_F(ExpiryAlerts, SoundIsLevelTriggered) {
  start_with(kPastEvent, "sound=yes\r\n");
  ASSERT_EQ(period_of(时钟_声音提示), 1000);
  for (int tick = 1; tick <= 3; ++tick) {
    ASSERT_TRUE(memory::fire(t(时钟_声音提示)));
    EXPECT_EQ(memory::sound_log().plays, tick) << "once a second while the event is on the board";
  }
  EXPECT_EQ(memory::sound_log().last_wave, tray::alert_sound());
  // It keeps sounding while the window is hidden.
  memory::click(c(窗口关闭按钮));
  ASSERT_TRUE(memory::fire(t(时钟_声音提示)));
  EXPECT_EQ(memory::sound_log().plays, 4);
  ASSERT_TRUE(memory::choose_menu_item(app::tray_menu(), MainCommand::显示主窗口));

  save_list(kFutureEvent);
  ASSERT_TRUE(memory::fire(t(时钟_声音提示)));
  EXPECT_EQ(memory::sound_log().plays, 4);
  EXPECT_FALSE(memory::sound_log().playing) << "no passed event: the sound is stopped";
}

TEST_F(ExpiryAlerts, SoundSwitchWritesItsKeyAndSetsItsTimer) {
  start_with(kPastEvent);
  ASSERT_TRUE(memory::choose_menu_item(app::tray_menu(), MainCommand::声音提示));
  EXPECT_TRUE(ui::is_menu_checked(app::tray_menu(), MainCommand::声音提示));
  EXPECT_EQ(period_of(时钟_声音提示), 1000);
  EXPECT_EQ(read("config.ini"), "[general]\r\nsound=yes\r\n");
  ASSERT_TRUE(memory::fire(t(时钟_声音提示)));
  ASSERT_TRUE(memory::sound_log().playing);

  ASSERT_TRUE(memory::choose_menu_item(app::tray_menu(), MainCommand::声音提示));
  EXPECT_FALSE(ui::is_menu_checked(app::tray_menu(), MainCommand::声音提示));
  EXPECT_EQ(period_of(时钟_声音提示), 0);
  EXPECT_EQ(read("config.ini"), "[general]\r\nsound=no\r\n");
  EXPECT_FALSE(memory::fire(t(时钟_声音提示)));
}

TEST_F(ExpiryAlerts, ActivationActsOncePerRunAndWritesNothing) {
  const std::string config = "jhck=yes\r\n";
  start_with(kFutureEvent, config);
  ASSERT_EQ(period_of(时钟_激活窗口), 3000);
  memory::click(c(窗口关闭按钮));
  // No passed event: nothing happens, the switch stays on.
  ASSERT_TRUE(memory::fire(t(时钟_激活窗口)));
  EXPECT_FALSE(ui::is_window_visible(app::main_window));
  EXPECT_TRUE(ui::is_menu_checked(app::tray_menu(), MainCommand::激活窗口));

  // A restore rebuilds the board even while the window is hidden.
  write_gbk("Orvane.txt", kPastEvent);
  app::build_board_text();
  ASSERT_TRUE(memory::fire(t(时钟_激活窗口)));
  EXPECT_TRUE(ui::is_window_visible(app::main_window));
  EXPECT_FALSE(ui::is_minimised(app::main_window));
  EXPECT_EQ(memory::brought_to_front(app::main_window), 1);
  EXPECT_FALSE(ui::is_menu_checked(app::tray_menu(), MainCommand::激活窗口));
  EXPECT_EQ(period_of(时钟_激活窗口), 3000) << "the next tick stops it";
  EXPECT_EQ(period_of(时钟_标题时刻), 5000);

  memory::click(c(窗口最小化按钮));
  ASSERT_TRUE(memory::fire(t(时钟_激活窗口)));
  EXPECT_EQ(period_of(时钟_激活窗口), 0);
  EXPECT_TRUE(ui::is_minimised(app::main_window)) << "only once per run";
  EXPECT_EQ(memory::brought_to_front(app::main_window), 1);
  EXPECT_EQ(read("config.ini"), "[general]\r\n" + config);
}

TEST_F(ExpiryAlerts, ActivationAtStartUpLeavesConfigUntouched) {
  start_with(kPastEvent, "jhck=yes\r\nsstp=no\r\n");
  const auto before = read("config.ini");
  ASSERT_TRUE(memory::fire(t(时钟_激活窗口)));
  ASSERT_TRUE(memory::fire(t(时钟_激活窗口)));
  EXPECT_EQ(memory::brought_to_front(app::main_window), 1);
  EXPECT_EQ(read("config.ini"), before);
  // The next start switches it on again.
  memory::reset();
  memory::set_executable_path((dir_ / "Orvane.exe").string());
  start();
  EXPECT_TRUE(ui::is_menu_checked(app::tray_menu(), MainCommand::激活窗口));
  EXPECT_EQ(period_of(时钟_激活窗口), 3000);
}

std::uint32_t le(std::string_view b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i)
    v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
  return v;
}

TEST(AlertSound, IsAShortPcmWaveFile) {
  const std::string_view w = tray::alert_sound();
  ASSERT_EQ(w.size(), 44u + 3724u);
  EXPECT_EQ(w.substr(0, 4), "RIFF");
  EXPECT_EQ(le(w, 4, 4), w.size() - 8);
  EXPECT_EQ(w.substr(8, 8), "WAVEfmt ");
  EXPECT_EQ(le(w, 16, 4), 16u);
  EXPECT_EQ(le(w, 20, 2), 1u);  // PCM
  EXPECT_EQ(le(w, 22, 2), 1u);  // mono
  EXPECT_EQ(le(w, 24, 4), 22050u);
  EXPECT_EQ(le(w, 28, 4), 44100u);
  EXPECT_EQ(le(w, 32, 2), 2u);
  EXPECT_EQ(le(w, 34, 2), 16u);
  EXPECT_EQ(w.substr(36, 4), "data");
  EXPECT_EQ(le(w, 40, 4), 3724u);
  // Audible, without a click at either end.
  int peak = 0;
  for (std::size_t i = 44; i < w.size(); i += 2)
    peak = std::max(peak, std::abs(static_cast<int>(static_cast<std::int16_t>(le(w, i, 2)))));
  EXPECT_GT(peak, 8000);
  EXPECT_EQ(static_cast<std::int16_t>(le(w, 44, 2)), 0);
  EXPECT_EQ(static_cast<std::int16_t>(le(w, w.size() - 2, 2)), 0);
  EXPECT_EQ(tray::alert_sound().data(), w.data()) << "built once, kept for the whole run";
}

}  // namespace
}  // namespace orvane::testing

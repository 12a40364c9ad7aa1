#include "app_fixture.h"
#include "core/board.h"

namespace orvane::testing {
namespace {

using StartSequence = AppTest;

const std::string kWorkedBoard =
    "距离：2040年11月27日/Dorsan百岁诞辰纪念日 [周二]\r\n"
    "还有：344033745秒 = 3981天20时55分45秒\r\n" +
    std::string(102, '-') +
    "\r\n"
    "距离：2030年1月2日3时4分5秒/完整格式示例 [周三]\r\n"
    "已经过去：10秒 = 0天00时00分10秒\r\n" +
    std::string(102, '-') + "\r\n共 2 条";

TEST_F(StartSequence, FirstStartInEmptyDirectory) {
  start();
  // The default list, 95 bytes of GBK.
  const auto bytes = read("Orvane.txt");
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes->size(), 95u);
  EXPECT_EQ(gbk_to_utf8(*bytes), kDefaultEventList);
  EXPECT_EQ(text_of(编辑框_显示), kWorkedBoard);
  EXPECT_TRUE(memory::scrolled_to_end(c(编辑框_显示)));
  EXPECT_EQ(memory::set_text_count(c(编辑框_显示)), 1) << "the board is set once per rebuild";
  EXPECT_FALSE(exists("config.ini")) << "nothing is written at start-up";

  EXPECT_EQ(ui::caption(app::main_window), "Kelu软件之倒计时牌 v1.11");
  EXPECT_EQ(text_of(窗口假上), "Kelu软件之倒计时牌 v1.11");
  EXPECT_TRUE(ui::is_window_visible(app::main_window));
  EXPECT_FALSE(ui::is_visible(c(外形框_设置)));
  EXPECT_FALSE(ui::is_visible(c(标签_设置成功)));
  const auto tray = memory::tray_icon(app::main_window);
  EXPECT_TRUE(tray.present);
  EXPECT_EQ(tray.icon, ui::Icon::Program);
  EXPECT_EQ(tray.tip, "Kelu软件之倒计时牌 v1.11");

  EXPECT_TRUE(ui::is_checked(c(选择框_自动刷新)));
  EXPECT_TRUE(ui::is_checked(c(选择框_程序缩至托盘后自动打开)));
  EXPECT_EQ(text_of(编辑框_程序缩至托盘), "15");
  EXPECT_EQ(period_of(时钟_刷新倒计时), 15000);
  EXPECT_EQ(period_of(时钟_标题时刻), 3000);
  EXPECT_EQ(period_of(设置成功时钟), 0);
  EXPECT_EQ(period_of(时钟_缩至托盘自动打开), 0);
  EXPECT_GE(period_of(时钟_联机), 5000);
  EXPECT_LE(period_of(时钟_联机), 8000);
  EXPECT_GE(period_of(时钟_迷你资讯), 25000);
  EXPECT_LE(period_of(时钟_迷你资讯), 30000);
  EXPECT_EQ(period_of(时钟_声音提示), 0);
  EXPECT_EQ(period_of(时钟_闪托盘), 500);
  EXPECT_EQ(period_of(时钟_激活窗口), 0);
  EXPECT_EQ(ui::font_size(c(编辑框_显示)), 9);
  EXPECT_EQ(memory::font_face(c(编辑框_显示)), "Tahoma");
  EXPECT_TRUE(memory::messages().empty());
}

TEST_F(StartSequence, KeepsAnExistingEventList) {
  write_gbk("Orvane.txt", "2030年1月2日3时4分5秒/完整格式示例");
  start();
  EXPECT_EQ(read_utf8("Orvane.txt"), "2030年1月2日3时4分5秒/完整格式示例");
  EXPECT_EQ(text_of(编辑框_显示),
            "距离：2030年1月2日3时4分5秒/完整格式示例 [周三]\r\n已经过去：10秒 = 0天00时00分10秒");
}

TEST_F(StartSequence, BoardStopsAtTheFirstZeroByte) {
  write("Orvane.txt", *utf8_to_gbk("2030年1月2日3时4分5秒/完整格式示例") + std::string(1, '\0') + "junk");
  start();
  EXPECT_EQ(text_of(编辑框_显示),
            "距离：2030年1月2日3时4分5秒/完整格式示例 [周三]\r\n已经过去：10秒 = 0天00时00分10秒");
}

class NameCheck : public AppTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(NameCheck, AnyOtherNameEndsTheProgramWithoutCreatingAnything) {
  memory::set_executable_path((dir_ / GetParam()).string());
  EXPECT_FALSE(program::start_program());
  ASSERT_EQ(memory::messages().size(), 1u);
  EXPECT_EQ(memory::messages()[0].text, "程序名已固定为 Orvane.exe ，请勿修改");
  EXPECT_EQ(memory::messages()[0].title, "Kelu软件之倒计时牌");
  EXPECT_EQ(memory::messages()[0].buttons, ui::Buttons::Ok);
  EXPECT_EQ(memory::exit_code(), 0);
  EXPECT_FALSE(exists("Orvane.txt"));
  EXPECT_FALSE(exists("config.ini"));
  EXPECT_FALSE(ui::is_window_visible(app::main_window));
  EXPECT_FALSE(memory::tray_icon(app::main_window).present);
}

// The name that counts is the file's own, as stored in its folder, not the
// spelling of the command that started it.
TEST_F(StartSequence, NameCheckReadsTheFileNameNotTheLaunchSpelling) {
  write("Orvane.exe", "");
  memory::set_executable_path((dir_ / "orvane.exe").string());
  start();
  EXPECT_TRUE(memory::messages().empty());
  EXPECT_TRUE(exists("Orvane.txt"));
}

TEST_F(StartSequence, FileActuallyNamedInLowerCaseIsRefused) {
  write("orvane.exe", "");
  memory::set_executable_path((dir_ / "Orvane.exe").string());
  EXPECT_FALSE(program::start_program());
  ASSERT_EQ(memory::messages().size(), 1u);
  EXPECT_EQ(memory::messages()[0].text, "程序名已固定为 Orvane.exe ，请勿修改");
  EXPECT_FALSE(exists("Orvane.txt"));
}

INSTANTIATE_TEST_SUITE_P(Names, NameCheck,
                         ::testing::Values("orvane.exe", "Orvane.EXE", "Orvane (2).exe", "Orvane.exe.exe"));

// One key of config.ini and what it changes at start-up.
using Observe = std::string (*)();
struct KeyCase {
  const char* ini;
  Observe observe;
  const char* expected;
};

std::string on_off(bool on) { return on ? "on" : "off"; }
std::string menu_check(MainCommand item) { return on_off(ui::is_menu_checked(app::tray_menu(), item)); }
std::string check(app::MainControl box) { return on_off(ui::is_checked(app::main_control(box))); }
std::string timer_period(app::MainTimer timer) { return std::to_string(ui::period(app::main_timer(timer))); }

const Observe kAutoOpen = [] { return check(选择框_程序缩至托盘后自动打开); };
const Observe kMinutes = [] { return ui::text(app::main_control(编辑框_程序缩至托盘)); };
const Observe kAutoRefresh = [] { return check(选择框_自动刷新); };
const Observe kRefreshTimer = [] { return timer_period(时钟_刷新倒计时); };
const Observe kSoundItem = [] { return menu_check(MainCommand::声音提示); };
const Observe kSoundTimer = [] { return timer_period(时钟_声音提示); };
const Observe kFlashItem = [] { return menu_check(MainCommand::闪烁托盘); };
const Observe kFlashTimer = [] { return timer_period(时钟_闪托盘); };
const Observe kActivationItem = [] { return menu_check(MainCommand::激活窗口); };
const Observe kActivationTimer = [] { return timer_period(时钟_激活窗口); };
const Observe kFont = [] { return std::to_string(ui::font_size(app::main_control(编辑框_显示))); };

class ConfigKey : public AppTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ConfigKey, AppliesItsValue) {
  write_gbk("config.ini", std::string("[general]\r\n") + GetParam().ini + "\r\n");
  start();
  EXPECT_EQ(GetParam().observe(), GetParam().expected) << GetParam().ini;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ConfigKey,
    ::testing::Values(
        KeyCase{"autoactivate=no", kAutoOpen, "off"}, KeyCase{"autoactivate=yes", kAutoOpen, "on"},
        KeyCase{"autoactivate_min=0.5", kMinutes, "0.5"}, KeyCase{"autoactivate_min=", kMinutes, ""},
        KeyCase{"autoactivate_min=１５分", kMinutes, "１５分"}, KeyCase{"autofresh=no", kAutoRefresh, "off"},
        KeyCase{"autofresh=no", kRefreshTimer, "0"}, KeyCase{"autofresh=Yes", kRefreshTimer, "0"},
        KeyCase{"autofresh=yes", kRefreshTimer, "15000"}, KeyCase{"sound=yes", kSoundItem, "on"},
        KeyCase{"sound=yes", kSoundTimer, "1000"}, KeyCase{"sstp=no", kFlashItem, "off"},
        KeyCase{"sstp=no", kFlashTimer, "0"}, KeyCase{"jhck=yes", kActivationItem, "on"},
        KeyCase{"jhck=yes", kActivationTimer, "3000"}, KeyCase{"font=12", kFont, "12"},
        KeyCase{"font=12.9", kFont, "12"}, KeyCase{"font=abc", kFont, "0"}, KeyCase{"FONT=14", kFont, "14"}),
    [](const auto& case_info) { return "Case" + std::to_string(case_info.index); });

TEST_F(StartSequence, FileWithOnlyTheFontKeepsEveryOtherDefault) {
  write("config.ini", "[general]\r\nfont=12\r\n");
  start();
  EXPECT_TRUE(ui::is_checked(c(选择框_自动刷新)));
  EXPECT_TRUE(ui::is_checked(c(选择框_程序缩至托盘后自动打开)));
  EXPECT_EQ(text_of(编辑框_程序缩至托盘), "15");
  EXPECT_FALSE(ui::is_menu_checked(app::tray_menu(), MainCommand::声音提示));
  EXPECT_TRUE(ui::is_menu_checked(app::tray_menu(), MainCommand::闪烁托盘));
  EXPECT_FALSE(ui::is_menu_checked(app::tray_menu(), MainCommand::激活窗口));
  EXPECT_EQ(period_of(时钟_刷新倒计时), 15000);
  EXPECT_EQ(ui::font_size(c(编辑框_显示)), 12);
}

}  // namespace
}  // namespace orvane::testing

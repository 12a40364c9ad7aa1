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
  EXPECT_EQ(text_of("编辑框_显示"), kWorkedBoard);
  EXPECT_TRUE(memory::scrolled_to_end(c("编辑框_显示")));
  EXPECT_EQ(memory::set_text_count(c("编辑框_显示")), 1) << "the board is set once per rebuild";
  EXPECT_FALSE(exists("config.ini")) << "nothing is written at start-up";

  EXPECT_EQ(ui::caption(app::main_window), "Kelu软件之倒计时牌 v1.11");
  EXPECT_EQ(text_of("窗口假上"), "Kelu软件之倒计时牌 v1.11");
  EXPECT_TRUE(ui::is_window_visible(app::main_window));
  EXPECT_FALSE(ui::is_visible(c("外形框_设置")));
  EXPECT_FALSE(ui::is_visible(c("标签_设置成功")));
  const auto tray = memory::tray_icon(app::main_window);
  EXPECT_TRUE(tray.present);
  EXPECT_EQ(tray.icon, ui::Icon::Program);
  EXPECT_EQ(tray.tip, "Kelu软件之倒计时牌 v1.11");

  EXPECT_TRUE(ui::is_checked(c("选择框_自动刷新")));
  EXPECT_TRUE(ui::is_checked(c("选择框_程序缩至托盘后自动打开")));
  EXPECT_EQ(text_of("编辑框_程序缩至托盘"), "15");
  EXPECT_EQ(period_of("时钟_刷新倒计时"), 15000);
  EXPECT_EQ(period_of("时钟_标题时刻"), 3000);
  EXPECT_EQ(period_of("设置成功时钟"), 0);
  EXPECT_EQ(period_of("时钟_缩至托盘自动打开"), 0);
  EXPECT_GE(period_of("时钟_联机"), 5000);
  EXPECT_LE(period_of("时钟_联机"), 8000);
  EXPECT_GE(period_of("时钟_迷你资讯"), 25000);
  EXPECT_LE(period_of("时钟_迷你资讯"), 30000);
  EXPECT_EQ(period_of("时钟_声音提示"), 0);
  EXPECT_EQ(period_of("时钟_闪托盘"), 500);
  EXPECT_EQ(period_of("时钟_激活窗口"), 0);
  EXPECT_EQ(ui::font_size(c("编辑框_显示")), 9);
  EXPECT_EQ(memory::font_face(c("编辑框_显示")), "Tahoma");
  EXPECT_TRUE(memory::messages().empty());
}

TEST_F(StartSequence, KeepsAnExistingEventList) {
  write_gbk("Orvane.txt", "2030年1月2日3时4分5秒/完整格式示例");
  start();
  EXPECT_EQ(read_utf8("Orvane.txt"), "2030年1月2日3时4分5秒/完整格式示例");
  EXPECT_EQ(text_of("编辑框_显示"),
            "距离：2030年1月2日3时4分5秒/完整格式示例 [周三]\r\n已经过去：10秒 = 0天00时00分10秒");
}

TEST_F(StartSequence, BoardStopsAtTheFirstZeroByte) {
  write("Orvane.txt", *utf8_to_gbk("2030年1月2日3时4分5秒/完整格式示例") + std::string(1, '\0') + "junk");
  start();
  EXPECT_EQ(text_of("编辑框_显示"),
            "距离：2030年1月2日3时4分5秒/完整格式示例 [周三]\r\n已经过去：10秒 = 0天00时00分10秒");
}

class NameCheck : public AppTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(NameCheck, AnyOtherNameEndsTheProgramWithoutCreatingAnything) {
  memory::set_executable_path((dir_ / GetParam()).string());
  EXPECT_FALSE(app::start_program());
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

INSTANTIATE_TEST_SUITE_P(Names, NameCheck,
                         ::testing::Values("orvane.exe", "Orvane.EXE", "Orvane (2).exe", "Orvane.exe.exe"));

// One key of config.ini and what it changes at start-up.
struct KeyCase {
  const char* ini;
  const char* control;  // check box, menu item ("menu:" prefix), edit box ("text:") or timer ("timer:")
  const char* expected;
};

class ConfigKey : public AppTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ConfigKey, AppliesItsValue) {
  write("config.ini", std::string("[general]\r\n") + GetParam().ini + "\r\n");
  start();
  const std::string what = GetParam().control;
  const std::string expected = GetParam().expected;
  if (what.rfind("menu:", 0) == 0) {
    EXPECT_EQ(ui::is_menu_checked(app::tray_menu, what.substr(5)) ? "on" : "off", expected);
  } else if (what.rfind("text:", 0) == 0) {
    EXPECT_EQ(text_of(what.substr(5)), expected);
  } else if (what.rfind("timer:", 0) == 0) {
    EXPECT_EQ(std::to_string(period_of(what.substr(6))), expected);
  } else if (what == "font") {
    EXPECT_EQ(std::to_string(ui::font_size(c("编辑框_显示"))), expected);
  } else {
    EXPECT_EQ(ui::is_checked(c(what)) ? "on" : "off", expected);
  }
}

INSTANTIATE_TEST_SUITE_P(Keys, ConfigKey,
                         ::testing::Values(KeyCase{"autoactivate=no", "选择框_程序缩至托盘后自动打开", "off"},
                                           KeyCase{"autoactivate=yes", "选择框_程序缩至托盘后自动打开", "on"},
                                           KeyCase{"autoactivate_min=0.5", "text:编辑框_程序缩至托盘", "0.5"},
                                           KeyCase{"autoactivate_min=", "text:编辑框_程序缩至托盘", ""},
                                           KeyCase{"autofresh=no", "选择框_自动刷新", "off"},
                                           KeyCase{"autofresh=no", "timer:时钟_刷新倒计时", "0"},
                                           KeyCase{"autofresh=Yes", "timer:时钟_刷新倒计时", "0"},
                                           KeyCase{"autofresh=yes", "timer:时钟_刷新倒计时", "15000"},
                                           KeyCase{"sound=yes", "menu:声音提示", "on"},
                                           KeyCase{"sound=yes", "timer:时钟_声音提示", "1000"},
                                           KeyCase{"sstp=no", "menu:闪烁托盘", "off"},
                                           KeyCase{"sstp=no", "timer:时钟_闪托盘", "0"},
                                           KeyCase{"jhck=yes", "menu:激活窗口", "on"},
                                           KeyCase{"jhck=yes", "timer:时钟_激活窗口", "3000"},
                                           KeyCase{"font=12", "font", "12"},
                                           KeyCase{"font=12.9", "font", "12"},
                                           KeyCase{"font=abc", "font", "0"},
                                           KeyCase{"FONT=14", "font", "14"}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(StartSequence, FileWithOnlyTheFontKeepsEveryOtherDefault) {
  write("config.ini", "[general]\r\nfont=12\r\n");
  start();
  EXPECT_TRUE(ui::is_checked(c("选择框_自动刷新")));
  EXPECT_TRUE(ui::is_checked(c("选择框_程序缩至托盘后自动打开")));
  EXPECT_EQ(text_of("编辑框_程序缩至托盘"), "15");
  EXPECT_FALSE(ui::is_menu_checked(app::tray_menu, "声音提示"));
  EXPECT_TRUE(ui::is_menu_checked(app::tray_menu, "闪烁托盘"));
  EXPECT_FALSE(ui::is_menu_checked(app::tray_menu, "激活窗口"));
  EXPECT_EQ(period_of("时钟_刷新倒计时"), 15000);
  EXPECT_EQ(ui::font_size(c("编辑框_显示")), 12);
}

}  // namespace
}  // namespace orvane::testing

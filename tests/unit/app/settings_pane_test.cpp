#include "app/settings_pane.h"

#include "app/board_view.h"
#include "app_fixture.h"
#include "core/board.h"

namespace orvane::testing {
namespace {

class SettingsPane : public AppTest {
 protected:
  void open() {
    start();
    memory::click(c(窗口更多按钮));
    ASSERT_TRUE(memory::choose_menu_item(app::more_menu(), MainCommand::设置));
  }
  std::string ini(const char* key) {
    return sys::ini_read(app::config_file_path, "general", key, "(missing)");
  }
  void type_into_editor(std::string_view t) { ui::set_text(c(编辑框_设置), t); }
};

TEST_F(SettingsPane, OpensCentredWithTheTidiedFile) {
  write_gbk("Orvane.txt", "a\r\n\r\n\r\n2030年1月1日/New　Year\r\n");
  open();
  EXPECT_TRUE(ui::is_visible(c(外形框_设置)));
  EXPECT_EQ(text_of(编辑框_设置), "a\r\n2030年1月1日/NewYear\r\n");
  EXPECT_TRUE(ui::has_focus(c(编辑框_设置)));
  const ui::Rect r = ui::rect(c(外形框_设置));
  EXPECT_EQ(r.left, (569 - 556) / 2);
  EXPECT_EQ(r.top, (698 - 428) / 2);
  EXPECT_EQ(read_utf8("Orvane.txt"), "a\r\n\r\n\r\n2030年1月1日/New　Year\r\n") << "opening writes nothing";
}

TEST_F(SettingsPane, MissingFileOpensAnEmptyEditor) {
  start();
  std::filesystem::remove(file("Orvane.txt"));
  app::open_settings_pane();
  EXPECT_EQ(text_of(编辑框_设置), "");
}

TEST_F(SettingsPane, StartWithWindowsBoxFollowsTheStartupShortcut) {
  const auto startup = dir_ / "startup";
  std::filesystem::create_directories(startup);
  memory::set_special_folder(sys::Folder::Startup, startup.string());
  open();
  EXPECT_FALSE(ui::is_checked(c(选择框_开机自启)));
  std::ofstream(startup / "Kelu倒计时.lnk") << "x";
  app::open_settings_pane();
  EXPECT_TRUE(ui::is_checked(c(选择框_开机自启)));
}

struct TidyCase {
  const char* in;
  const char* out;
};
class Tidy : public ::testing::TestWithParam<TidyCase> {};

TEST_P(Tidy, CollapsesEmptyLinesThenRemovesSpaces) {
  EXPECT_EQ(app::tidy_text(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Cases, Tidy,
                         ::testing::Values(TidyCase{"a\r\n\r\n\r\nb", "a\r\nb"},
                                           // The empty line appears only when the space goes.
                                           TidyCase{"a\r\n \r\nb", "a\r\n\r\nb"},
                                           TidyCase{"2030年1月1日/New Year", "2030年1月1日/NewYear"},
                                           TidyCase{"名　称　", "名称"}, TidyCase{"\r\n\r\na", "\r\na"},
                                           TidyCase{"a\r\n\r\n", "a\r\n"}, TidyCase{"", ""},
                                           // Lone CR or LF are not line ends here.
                                           TidyCase{"a\n\nb", "a\n\nb"}),
                         [](const auto& case_info) { return "Case" + std::to_string(case_info.index); });

TEST_F(SettingsPane, SaveWritesTheListTheBoardAndTwoKeys) {
  open();
  type_into_editor("2030年1月2日3时4分5秒/完整 格式示例\r\n\r\n;注释");
  ui::set_checked(c(选择框_程序缩至托盘后自动打开), false);
  ui::set_text(c(编辑框_程序缩至托盘), "-");
  memory::click(c(超级按钮_设置));
  EXPECT_FALSE(ui::is_visible(c(外形框_设置)));
  EXPECT_EQ(read("Orvane.txt"), *utf8_to_gbk("2030年1月2日3时4分5秒/完整格式示例\r\n;注释"));
  EXPECT_FALSE(exists("Orvane.txt.new")) << "no temporary file is left";
  EXPECT_EQ(text_of(编辑框_显示),
            "距离：2030年1月2日3时4分5秒/完整格式示例 [周三]\r\n已经过去：10秒 = 0天00时00分10秒\r\n" +
                std::string(102, '-') + "\r\n共 1 条");
  EXPECT_EQ(ini("autoactivate"), "no");
  EXPECT_EQ(ini("autoactivate_min"), "-");
  EXPECT_EQ(ini("autofresh"), "(missing)");
  EXPECT_TRUE(memory::messages().empty());
}

TEST_F(SettingsPane, EmptyEditorSavesAnEmptyFile) {
  open();
  type_into_editor("");
  memory::click(c(超级按钮_设置));
  EXPECT_EQ(read("Orvane.txt"), "");
  EXPECT_EQ(text_of(编辑框_显示), kBoardPlaceholder);
}

TEST_F(SettingsPane, PastedLineBreaksNeverReachConfigIni) {
  open();
  ui::set_text(c(编辑框_程序缩至托盘), "30\r\n[other]\r\nx=1");
  memory::click(c(超级按钮_设置));
  const std::string config = read("config.ini").value_or("");
  EXPECT_EQ(config, "[general]\r\nautoactivate=yes\r\nautoactivate_min=30 [other] x=1\r\n");
}

// Ways in which Orvane.txt cannot be replaced; each keeps the file, the
// editor's text and the options, and says that the options were not saved.
enum class Refusal { WriteFails, ReadOnlyFile };

class FailedSave : public AppTest, public ::testing::WithParamInterface<Refusal> {
 protected:
  void open() {
    start();
    ASSERT_TRUE(memory::choose_menu_item(app::more_menu(), MainCommand::设置));
  }
};

TEST_P(FailedSave, KeepsTheOldFileTheEditorTextAndTheOptions) {
  open();
  const auto before = read("Orvane.txt");
  ui::set_text(c(编辑框_设置), "2031年1月1日/新的");
  memory::click(c(选择框_程序缩至托盘后自动打开));
  if (GetParam() == Refusal::WriteFails) memory::fail_file_writes(true);
  if (GetParam() == Refusal::ReadOnlyFile)
    std::filesystem::permissions(file("Orvane.txt"), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
  memory::click(c(超级按钮_设置));
  memory::fail_file_writes(false);
  ASSERT_EQ(memory::messages().size(), 1u);
  const std::string message = memory::messages()[0].text;
  EXPECT_NE(message.find("无法保存"), std::string::npos) << message;
  EXPECT_NE(message.find("选项也未保存"), std::string::npos) << message;
  EXPECT_EQ(memory::messages()[0].title, "Kelu软件之倒计时牌");
  EXPECT_EQ(memory::message_owners()[0], app::main_window);
  EXPECT_EQ(read("Orvane.txt"), before);
  EXPECT_FALSE(exists("Orvane.txt.new"));
  EXPECT_EQ(text_of(编辑框_设置), "2031年1月1日/新的");
  EXPECT_TRUE(ui::is_visible(c(外形框_设置)));
  EXPECT_FALSE(exists("config.ini")) << "the options are not written either";
  if (GetParam() == Refusal::ReadOnlyFile) {
    const auto perms = std::filesystem::status(file("Orvane.txt")).permissions();
    EXPECT_EQ(perms & std::filesystem::perms::owner_write, std::filesystem::perms::none) << "still read-only";
  }
}

INSTANTIATE_TEST_SUITE_P(Refusals, FailedSave, ::testing::Values(Refusal::WriteFails, Refusal::ReadOnlyFile));

TEST_F(SettingsPane, CharacterWithoutGbkFormIsReportedWithItsLine) {
  open();
  const auto before = read("Orvane.txt");
  type_into_editor("2031年1月1日/a\r\n2032年1月1日/生日🎂");
  memory::click(c(超级按钮_设置));
  ASSERT_EQ(memory::messages().size(), 1u);
  EXPECT_NE(memory::messages()[0].text.find("第 2 行"), std::string::npos) << memory::messages()[0].text;
  EXPECT_EQ(read("Orvane.txt"), before);
  EXPECT_EQ(text_of(编辑框_设置), "2031年1月1日/a\r\n2032年1月1日/生日🎂");
  EXPECT_TRUE(ui::is_visible(c(外形框_设置)));
}

// Lists with lines too long for the editor: shown cut with the board's mark,
// and 确定 refuses to save rather than write the cut text over the file.
struct LongLineCase {
  const char* name;
  std::string list;   // Orvane.txt as UTF-8
  std::string shown;  // the editor's text
  bool refused;
  friend void PrintTo(const LongLineCase& k, std::ostream* os) { *os << k.name; }
};

const std::string kFullLine = "2040年1月1日/" + std::string(4096 - 10, 'x');
const std::string kLongLine = kFullLine + "yz";

class LongLines : public AppTest, public ::testing::WithParamInterface<LongLineCase> {};

TEST_P(LongLines, AreShownCutAndNeverSavedCut) {
  const LongLineCase& k = GetParam();
  write_gbk("Orvane.txt", k.list);
  const auto before = read("Orvane.txt");
  start();
  ASSERT_TRUE(memory::choose_menu_item(app::more_menu(), MainCommand::设置));
  EXPECT_EQ(text_of(编辑框_设置), k.shown);
  memory::click(c(选择框_程序缩至托盘后自动打开));
  memory::click(c(超级按钮_设置));
  if (k.refused) {
    ASSERT_EQ(memory::messages().size(), 1u);
    const std::string message = memory::messages()[0].text;
    EXPECT_NE(message.find("超过 4096 个字的行"), std::string::npos) << message;
    EXPECT_NE(message.find("文本编辑器"), std::string::npos) << message;
    EXPECT_NE(message.find("原文件未改动，选项也未保存"), std::string::npos) << message;
    EXPECT_EQ(read("Orvane.txt"), before) << "the file is kept whole";
    EXPECT_FALSE(exists("config.ini")) << "the options are not written either";
    EXPECT_TRUE(ui::is_visible(c(外形框_设置)));
    EXPECT_EQ(text_of(编辑框_设置), k.shown);
  } else {
    EXPECT_TRUE(memory::messages().empty()) << memory::messages()[0].text;
    EXPECT_EQ(read_utf8("Orvane.txt"), k.list);
    EXPECT_FALSE(ui::is_visible(c(外形框_设置)));
  }
}

const std::string kMark(app::kCutMark);

std::string repeated(std::string_view text, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += text;
  return out;
}

INSTANTIATE_TEST_SUITE_P(Lists, LongLines,
                         ::testing::Values(LongLineCase{"AtTheBound", "a\r\n" + kFullLine + "\r\nb",
                                                        "a\r\n" + kFullLine + "\r\nb", false},
                                           LongLineCase{"OneOver", "a\r\n" + kLongLine + "\r\nb",
                                                        "a\r\n" + kFullLine + kMark + "\r\nb", true},
                                           LongLineCase{"CjkLine", "2040年1月1日/" + repeated("长", 5000),
                                                        "2040年1月1日/" + repeated("长", 4096 - 10) + kMark,
                                                        true},
                                           // Lone CRs end no line: 100 000 of them are one line.
                                           LongLineCase{"BareCarriageReturns", std::string(100000, '\r'),
                                                        std::string(4096, '\r') + kMark, true}),
                         [](const auto& case_info) { return case_info.param.name; });

TEST_F(SettingsPane, ListMendedOutsideSavesAgainOnceReopened) {
  write_gbk("Orvane.txt", kLongLine);
  open();
  memory::click(c(超级按钮_设置));
  ASSERT_EQ(memory::messages().size(), 1u);
  write_gbk("Orvane.txt", "2040年1月1日/短了");
  memory::mouse_down(c(标签4));
  app::open_settings_pane();
  memory::click(c(超级按钮_设置));
  EXPECT_EQ(memory::messages().size(), 1u) << "no second refusal";
  EXPECT_FALSE(ui::is_visible(c(外形框_设置)));
  EXPECT_NE(text_of(编辑框_显示).find("/短了"), std::string::npos);
}

TEST_F(SettingsPane, ExampleLineHoldsTheCurrentMoment) {
  open();
  type_into_editor("x");
  clock_.set(CivilTime{2024, 5, 6, 14, 3, 27});
  memory::click(c(超级按钮_新增一条));
  EXPECT_EQ(text_of(编辑框_设置),
            "x\r\n\r\n2024年5月6日14时3分27秒/完整格式示例。左斜杠前写日期，后写事件名称等。");
  EXPECT_TRUE(ui::has_focus(c(编辑框_设置)));
  EXPECT_EQ(memory::tooltip(c(超级按钮_新增一条)),
            "单击后新增一条完整格式倒计时示例，您可在此基础上修改为自己喜欢的倒计时事件。");
  // Saved at once, the example has already passed.
  memory::click(c(超级按钮_设置));
  EXPECT_NE(text_of(编辑框_显示).find("已经过去：0秒"), std::string::npos);
}

TEST_F(SettingsPane, HelpShowsSevenLines) {
  open();
  memory::mouse_down(c(确定1));
  ASSERT_EQ(memory::messages().size(), 1u);
  const auto& m = memory::messages()[0];
  EXPECT_EQ(m.title, "Kelu软件之倒计时牌");
  EXPECT_EQ(m.buttons, ui::Buttons::Ok);
  EXPECT_TRUE(
      m.text.starts_with("　　每行请设1条，以硬回车结束。格式：时间/"
                         "事件名称。如：\r\n　　2012年12月21日0时0分0秒/世界末日\r\n"));
  EXPECT_NE(m.text.find("\r\n　　请设置距今60年内的日期。\r\n"), std::string::npos);
  EXPECT_EQ(count_occurrences("\r\n", m.text), 6u);
}

TEST_F(SettingsPane, CloseDiscardsEditsAndReopeningShowsTheFile) {
  open();
  type_into_editor("edited");
  memory::mouse_down(c(标签4));
  EXPECT_FALSE(ui::is_visible(c(外形框_设置)));
  EXPECT_EQ(gbk_to_utf8(*read("Orvane.txt")), kDefaultEventList);
  memory::click(c(窗口更多按钮));
  ASSERT_TRUE(memory::choose_menu_item(app::more_menu(), MainCommand::设置));
  EXPECT_EQ(text_of(编辑框_设置), kDefaultEventList);
}

TEST_F(SettingsPane, TitleStripDragsThePane) {
  open();
  memory::mouse_down(c(标签_设置标题栏));
  EXPECT_EQ(memory::last_drag(), "外形框_设置");
}

TEST_F(SettingsPane, OptionClickFocusesTheMinutesOnlyWhenTicked) {
  open();
  memory::click(c(选择框_程序缩至托盘后自动打开));  // now off
  EXPECT_FALSE(ui::has_focus(c(编辑框_程序缩至托盘)));
  memory::click(c(选择框_程序缩至托盘后自动打开));  // on again
  EXPECT_TRUE(ui::has_focus(c(编辑框_程序缩至托盘)));
  EXPECT_FALSE(exists("config.ini")) << "only 确定 writes the option";
}

TEST_F(SettingsPane, MinutesBoxTakesDigitsAndMinusFromTheKeyboard) {
  open();
  const ui::Control box = c(编辑框_程序缩至托盘);
  ui::set_text(box, "");
  for (char32_t ch : std::u32string(U"1a.-5 ５x")) memory::type_char(box, ch);
  EXPECT_EQ(ui::text(box), "1-5");
  memory::type_char(box, 0x08);  // backspace passes
  EXPECT_EQ(ui::text(box), "1-");
}

TEST_F(SettingsPane, HideExpiredLabelWorksOnTheEditorOnly) {
  open();
  clock_.set(CivilTime{2035, 1, 1, 0, 0, 0});
  memory::mouse_down(c(标签1));
  EXPECT_EQ(text_of(编辑框_设置),
            "2040年11月27日/Dorsan百岁诞辰纪念日\r\n;2012年1月1日/世界末日\r\n;2030年1月2日3时4分5秒/"
            "完整格式示例\r\n");
  EXPECT_EQ(gbk_to_utf8(*read("Orvane.txt")), kDefaultEventList);
}

TEST_F(SettingsPane, AutoRefreshSwitchStopsAndStartsTheRefresh) {
  start();
  const ui::Control label = c(标签_设置成功);
  memory::click(c(选择框_自动刷新));
  EXPECT_EQ(period_of(时钟_刷新倒计时), 0);
  EXPECT_EQ(ui::text(label), "已取消自动刷新");
  EXPECT_TRUE(ui::is_visible(label));
  EXPECT_EQ(period_of(设置成功时钟), 3000);
  EXPECT_TRUE(ui::has_focus(c(编辑框_显示)));
  EXPECT_EQ(ini("autofresh"), "no");

  memory::click(c(选择框_自动刷新));
  EXPECT_EQ(period_of(时钟_刷新倒计时), 15000);
  EXPECT_EQ(ui::text(label), "已设置自动刷新");
  EXPECT_EQ(ini("autofresh"), "yes");

  ASSERT_TRUE(memory::fire(t(设置成功时钟)));
  EXPECT_FALSE(ui::is_visible(label));
  EXPECT_EQ(period_of(设置成功时钟), 0);
  EXPECT_FALSE(memory::fire(t(设置成功时钟))) << "the confirmation timer fires once";
}

TEST_F(SettingsPane, AutoRefreshOffSurvivesARestart) {
  start();
  memory::click(c(选择框_自动刷新));
  memory::reset();
  memory::set_executable_path((dir_ / "Orvane.exe").string());
  start();
  EXPECT_FALSE(ui::is_checked(c(选择框_自动刷新)));
  EXPECT_EQ(period_of(时钟_刷新倒计时), 0);
}

}  // namespace
}  // namespace orvane::testing

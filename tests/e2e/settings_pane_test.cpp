// The settings pane of the real program, opened the way a user opens it:
// the "more" button, then "设置" in the menu.
#include <gtest/gtest.h>

#include <string>

#include "core/text_codec.h"
#include "tests/e2e/harness.h"

namespace orvane::e2e {
namespace {

void set_text(HWND w, std::string_view text) {
  const std::wstring t = widen(text);
  SendMessageW(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(t.c_str()));
}

class SettingsPane : public ::testing::Test {
 protected:
  // Starts the program and opens the pane through "更多菜单".
  void open() {
    run_.start();
    main_ = run_.main_window();
    ASSERT_NE(main_, nullptr);
    pane_ = run_.control(外形框_设置);
    editor_ = run_.control(编辑框_设置);
    ASSERT_FALSE(is_visible(pane_));
    click_button(run_.control(窗口更多按钮));
    HWND menu = wait_for_popup_menu(run_.process().id());
    ASSERT_NE(menu, nullptr) << "the menu did not pop up";
    screenshot("more-menu");
    // "设置" is the first item.
    PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(wait_until([&] { return is_visible(pane_); }, Millis{10000})) << "the pane did not open";
    // The pane shows before it is filled and centred: let the opening finish.
    ASSERT_TRUE(answers(main_));
  }

  std::string config(const char* key) {
    return run_.dir().ini_value("config.ini", "general", key, "(missing)");
  }

  OrvaneRun run_;
  HWND main_ = nullptr, pane_ = nullptr, editor_ = nullptr;
};

TEST_F(SettingsPane, OpensCentredWithTheEventList) {
  open();
  EXPECT_EQ(window_text(editor_), kDefaultList);
  const RECT pane = window_rect(pane_), win = window_rect(main_);
  EXPECT_EQ(pane.left - win.left, ((win.right - win.left) - 556) / 2);
  EXPECT_EQ(pane.top - win.top, ((win.bottom - win.top) - 428) / 2);
  EXPECT_EQ(window_text(run_.control(选择框_程序缩至托盘后自动打开)),
            "程序缩至托盘　　　　分后自动激活主窗口");
  EXPECT_EQ(window_text(run_.control(编辑框_程序缩至托盘)), "15");
  screenshot("settings-pane", main_);
}

TEST_F(SettingsPane, ConfirmSavesTheTidiedListAndTwoKeys) {
  open();
  set_text(editor_, "2030年1月2日3时4分5秒/完整 格式\r\n\r\n\r\n2040年1月1日/新　年");
  set_text(run_.control(编辑框_程序缩至托盘), "30");
  click_button(run_.control(超级按钮_设置));

  const std::string expected = utf8_to_gbk("2030年1月2日3时4分5秒/完整格式\r\n2040年1月1日/新年");
  EXPECT_TRUE(wait_until([&] { return run_.dir().read("Orvane.txt") == expected; }))
      << run_.dir().read("Orvane.txt").value_or("(none)");
  EXPECT_TRUE(wait_until([&] { return !is_visible(pane_); }));
  HWND board = run_.control(编辑框_显示);
  EXPECT_TRUE(wait_until([&] { return window_text(board).find("/新年 [周日]") != std::string::npos; }))
      << window_text(board);
  EXPECT_TRUE(window_text(board).ends_with("共 2 条"));
  EXPECT_TRUE(wait_until([&] { return config("autoactivate_min") == "30"; }));
  EXPECT_EQ(config("autoactivate"), "yes");
  EXPECT_FALSE(run_.dir().exists("Orvane.txt.new"));
  screenshot("settings-saved", main_);
}

TEST_F(SettingsPane, TitleStripDragsThePaneInsideTheWindow) {
  open();
  const RECT before = rect_in_parent(pane_);
  const RECT window_before = window_rect(main_);
  drag(run_.control(标签_设置标题栏), 30, -20);
  EXPECT_TRUE(wait_until([&] { return rect_in_parent(pane_).left != before.left; }, Millis{3000}));
  const RECT after = rect_in_parent(pane_);
  EXPECT_EQ(after.left - before.left, 30);
  EXPECT_EQ(after.top - before.top, -20);
  EXPECT_EQ(window_rect(main_).left, window_before.left) << "the window itself stays";
}

TEST_F(SettingsPane, HelpAndClose) {
  open();
  click_at(run_.control(确定1), 4, 4);
  HWND box = wait_for_top_window(kProductName, run_.process().id());
  ASSERT_NE(box, nullptr) << "no help message";
  std::string texts;
  for (HWND child : child_windows(box)) texts += window_text(child) + "|";
  EXPECT_NE(texts.find("每行请设1条，以硬回车结束。"), std::string::npos) << texts;
  screenshot("settings-help");
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(wait_until([&] { return top_windows(kProductName, run_.process().id()).empty(); }));

  set_text(editor_, "edited");
  click_at(run_.control(标签4), 4, 4);
  EXPECT_TRUE(wait_until([&] { return !is_visible(pane_); }));
  EXPECT_EQ(run_.dir().read("Orvane.txt"), utf8_to_gbk(kDefaultList));
}

TEST_F(SettingsPane, FailedSaveKeepsTheOldFileAndTheText) {
  open();
  // A folder where the temporary file would go makes the write fail.
  std::filesystem::create_directory(run_.dir().file("Orvane.txt.new"));
  set_text(editor_, "2031年1月1日/新的");
  click_button(run_.control(超级按钮_设置));
  HWND box = wait_for_top_window(kProductName, run_.process().id());
  ASSERT_NE(box, nullptr) << "no message";
  std::string texts;
  for (HWND child : child_windows(box)) texts += window_text(child) + "|";
  EXPECT_NE(texts.find("无法保存"), std::string::npos) << texts;
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(wait_until([&] { return top_windows(kProductName, run_.process().id()).empty(); }));
  EXPECT_EQ(run_.dir().read("Orvane.txt"), utf8_to_gbk(kDefaultList));
  EXPECT_EQ(window_text(editor_), "2031年1月1日/新的");
  EXPECT_TRUE(is_visible(pane_));
}

TEST_F(SettingsPane, CharacterOutsideGbkIsReportedWithItsLine) {
  open();
  set_text(editor_, "2031年1月1日/a\r\n2032年1月1日/生日🎂");
  click_button(run_.control(超级按钮_设置));
  HWND box = wait_for_top_window(kProductName, run_.process().id());
  ASSERT_NE(box, nullptr) << "no message";
  std::string texts;
  for (HWND child : child_windows(box)) texts += window_text(child) + "|";
  EXPECT_NE(texts.find("第 2 行"), std::string::npos) << texts;
  screenshot("settings-not-gbk");
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(run_.dir().read("Orvane.txt"), utf8_to_gbk(kDefaultList));
}

// The saving above rests on the Windows code page 936 tables.
TEST(GbkCodec, ReportsTheFirstCharacterWithoutGbkForm) {
  std::size_t bad = 0;
  EXPECT_FALSE(orvane::utf8_to_gbk("ab€生日🎂x", &bad).has_value());
  EXPECT_EQ(bad, std::string_view("ab€生日").size());
  EXPECT_FALSE(orvane::utf8_to_gbk("a\xC3", &bad).has_value()) << "cut UTF-8";
  EXPECT_EQ(bad, 1u);
  EXPECT_FALSE(orvane::utf8_to_gbk("한", &bad).has_value()) << "no best-fit replacement";
  EXPECT_EQ(bad, 0u);
  EXPECT_EQ(orvane::utf8_to_gbk("距离：　;"), std::string("\xBE\xE0\xC0\xEB\xA3\xBA\xA1\xA1;"));
  EXPECT_EQ(orvane::utf8_to_gbk(""), std::string());
}

TEST(GbkCodec, DecodesAndMarksBytesThatFormNoCharacter) {
  EXPECT_EQ(orvane::gbk_to_utf8("\xBE\xE0\xC0\xEBok"), "距离ok");
  EXPECT_EQ(orvane::gbk_to_utf8("a\xFF"
                                "b"),
            "a\uFFFDb");
  EXPECT_EQ(orvane::gbk_to_utf8("a\xBE"), "a\uFFFD") << "a lead byte at the end";
}

TEST(AutoRefresh, SwitchWritesItsKeyAndShowsTheConfirmation) {
  OrvaneRun run;
  run.start();
  HWND check = run.control(选择框_自动刷新);
  HWND label = run.control(标签_设置成功);
  ASSERT_NE(check, nullptr);
  ASSERT_FALSE(is_visible(label));

  click_button(check);
  EXPECT_TRUE(wait_until([&] { return run.dir().ini_value("config.ini", "general", "autofresh") == "no"; }));
  EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_TRUE(wait_until([&] { return is_visible(label); }));
  EXPECT_EQ(window_text(label), "已取消自动刷新");
  screenshot("auto-refresh-off", run.main_window());
  // The confirmation goes after 3 s.
  EXPECT_TRUE(wait_until([&] { return !is_visible(label); }, Millis{8000}));

  click_button(check);
  EXPECT_TRUE(wait_until([&] { return run.dir().ini_value("config.ini", "general", "autofresh") == "yes"; }));
  EXPECT_EQ(window_text(label), "已设置自动刷新");
}

}  // namespace
}  // namespace orvane::e2e

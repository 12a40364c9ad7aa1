// The shop search box window of the real program: opened at start, its tray
// icon, engines, settings file and exit.
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h
#include <shellapi.h>

#include <string>

#include "searchbox/search_box_design.h"
#include "tests/e2e/harness.h"

namespace orvane::e2e {
namespace {

using searchbox::SearchBoxCommand;
using searchbox::SearchBoxControl;

constexpr std::string_view kCaption = "淘宝搜索框，便捷搜宝入口";

void post_box_command(HWND box, SearchBoxCommand c) {
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(c), 0), 0);
}

bool tray_icon_present(HWND window) {
  using Fn = BOOL(WINAPI*)(DWORD, NOTIFYICONDATAW*);
  static const Fn notify = reinterpret_cast<Fn>(
      reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(L"shell32.dll"), "Shell_NotifyIconW")));
  NOTIFYICONDATAW nid{};
  nid.cbSize = sizeof nid;
  nid.hWnd = window;
  nid.uID = 1;
  return notify != nullptr && notify(NIM_MODIFY, &nid) != FALSE;
}

// The bottom-centre place above the taskbar for a window of this size.
POINT default_place(int width, int height) {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int ws = GetSystemMetrics(SM_CXSCREEN), hs = GetSystemMetrics(SM_CYSCREEN);
  const int gap = hs - work.bottom == 0 ? 40 : hs - work.bottom;
  return POINT{(ws - width) / 2, hs - gap - height - 2};
}

class SearchBox : public ::testing::Test {
 protected:
  void SetUp() override {
    run_.start();
    main_ = run_.main_window();
    ASSERT_NE(main_, nullptr);
    box_ = wait_for_top_window(kCaption, run_.process().id());
    ASSERT_NE(box_, nullptr) << "the search box did not open at start";
  }

  OrvaneRun run_;
  HWND main_ = nullptr, box_ = nullptr;
};

TEST_F(SearchBox, OpensAtStartWithItsTrayIconAndTheTaobaoPage) {
  const RECT r = window_rect(box_);
  const POINT at = default_place(234, 62);
  EXPECT_EQ(r.left, at.x);
  EXPECT_EQ(r.top, at.y);
  EXPECT_EQ(r.right - r.left, 234);
  EXPECT_EQ(r.bottom - r.top, 62);
  EXPECT_TRUE(GetWindowLongPtrW(box_, GWL_EXSTYLE) & WS_EX_TOPMOST);
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(box_, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 204);
  EXPECT_TRUE(tray_icon_present(box_));
  EXPECT_TRUE(tray_icon_present(main_));
  EXPECT_EQ(window_text(find_control(box_, SearchBoxControl::标签_拖动柄)), " TaoBao");
  const auto page = run_.dir().read("tb_temp.htm");
  ASSERT_TRUE(page.has_value());
  EXPECT_EQ(page->rfind("<script type='text/javascript'>\r\nalimama_pid='", 0), 0u);
  EXPECT_NE(page->find("\r\nalimama_tks.hc_c='#0065FF';\r\n"), std::string::npos);
  EXPECT_TRUE(page->ends_with("/inf.js'></script>")) << "no line end after the last line";
  screenshot("search-box-taobao", box_);
}

TEST_F(SearchBox, EnginesCloseAndExitThroughItsTrayMenu) {
  post_box_command(box_, SearchBoxCommand::当当);
  ASSERT_TRUE(wait_until([&] { return window_rect(box_).right - window_rect(box_).left == 214; }));
  const auto dd = run_.dir().read("dd_temp.htm");
  ASSERT_TRUE(dd.has_value());
  EXPECT_EQ(dd->rfind("<script type=\"text/javascript\" > <!-- \r\ndd_ad_output=\"html\";\r\n", 0), 0u);
  EXPECT_TRUE(dd->ends_with("/union/script/dd_ads.js\" ></script>"));
  EXPECT_EQ(rect_in_parent(find_control(box_, SearchBoxControl::标签_关闭按钮)).left, 198);
  screenshot("search-box-dangdang", box_);

  post_box_command(box_, SearchBoxCommand::卓越);
  ASSERT_TRUE(wait_until([&] { return window_rect(box_).bottom - window_rect(box_).top == 59; }));
  EXPECT_TRUE(is_visible(find_control(box_, SearchBoxControl::编辑框_卓越)));
  screenshot("search-box-joyo", box_);

  post_box_command(box_, SearchBoxCommand::居中);
  const int ws = GetSystemMetrics(SM_CXSCREEN), hs = GetSystemMetrics(SM_CYSCREEN);
  ASSERT_TRUE(wait_until([&] { return window_rect(box_).top == (hs - 59) / 2; }));
  click_at(find_control(box_, SearchBoxControl::标签_关闭按钮), 4, 4);  // ×
  ASSERT_TRUE(wait_until([&] { return !IsWindowVisible(box_); })) << "× did not hide the window";
  ASSERT_TRUE(
      wait_until([&] { return run_.dir().ini_value("TaoBaoSearchBox.ini", "general", "box") == "zhuoyue"; }));
  EXPECT_EQ(run_.dir().ini_value("TaoBaoSearchBox.ini", "general", "trans"), "20");
  EXPECT_EQ(run_.dir().ini_value("TaoBaoSearchBox.ini", "general", "position_left"),
            std::to_string((ws - 230) / 2));
  EXPECT_EQ(run_.dir().ini_value("TaoBaoSearchBox.ini", "general", "position_top"),
            std::to_string((hs - 59) / 2));
  EXPECT_TRUE(tray_icon_present(box_)) << "the icon stays while the window is hidden";

  post_box_command(box_, SearchBoxCommand::退出);
  ASSERT_TRUE(wait_until([&] { return !IsWindow(box_); })) << "退出 did not close the search box";
  EXPECT_FALSE(run_.dir().exists("tb_temp.htm"));
  EXPECT_FALSE(run_.dir().exists("dd_temp.htm"));
  EXPECT_FALSE(tray_icon_present(box_));
  EXPECT_TRUE(IsWindowVisible(main_)) << "the board goes on";
  EXPECT_TRUE(tray_icon_present(main_));
  EXPECT_TRUE(run_.process().running());
}

}  // namespace
}  // namespace orvane::e2e

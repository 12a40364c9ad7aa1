// The real main window: its place on the screen, its frame, the title clock,
// a large board and the executable name check.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/harness.h"

namespace orvane::e2e {
namespace {

struct Expected {
  int gap, height, top, left;
};

// The layout rules, worked from the screen the program sees.
Expected expected_layout() {
  const int hs = GetSystemMetrics(SM_CYSCREEN), ws = GetSystemMetrics(SM_CXSCREEN);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  Expected e{};
  e.gap = hs - work.bottom == 0 ? 40 : hs - work.bottom;
  e.height = hs - e.gap - 40;
  e.top = (hs - e.height) / 2;
  if (e.top + e.height > hs - e.gap) e.top = hs - e.gap - e.height - 2;
  if (e.top < 0) e.top = 0;
  e.left = (ws - 569) / 2;
  return e;
}

void expect_rect(HWND w, int left, int top, int width, int height, const char* what) {
  ASSERT_NE(w, nullptr) << what;
  const RECT r = rect_in_parent(w);
  EXPECT_EQ(r.left, left) << what;
  EXPECT_EQ(r.top, top) << what;
  EXPECT_EQ(r.right - r.left, width) << what;
  EXPECT_EQ(r.bottom - r.top, height) << what;
}

TEST(MainWindow, LaidOutOnTheScreenWithoutTitleBar) {
  OrvaneRun run;
  run.start();
  HWND main = run.main_window();
  ASSERT_NE(main, nullptr);
  HWND board = run.control(编辑框_显示);
  ASSERT_TRUE(wait_until([&] { return shows_board(board); }));

  const Expected e = expected_layout();
  const RECT r = window_rect(main);
  EXPECT_EQ(r.left, e.left);
  EXPECT_EQ(r.top, e.top);
  EXPECT_EQ(r.right - r.left, 569);
  EXPECT_EQ(r.bottom - r.top, e.height);
  EXPECT_EQ(GetWindowLongW(main, GWL_STYLE) & WS_CAPTION, 0) << "no system title bar";

  const int h = e.height;
  expect_rect(run.control(外形框_启动), 12, 32, 545, h - 76, "start pane");
  expect_rect(board, 2, 2, 540, h - 80, "board");
  expect_rect(run.control(外形框_主界面几个按钮), 8, h - 38, 549, 16, "button row");
  expect_rect(run.control(窗口关闭按钮), 547, 4, 20, 17, "close button");
  expect_rect(run.control(窗口最小化按钮), 525, 4, 20, 17, "minimise button");
  expect_rect(run.control(窗口更多按钮), 502, 4, 21, 17, "more button");
  expect_rect(run.control(选择框_自动刷新), 442, 2, 56, 20, "auto refresh");
  expect_rect(run.control(窗口假下), 0, h - 16, 569, 16, "bottom edge");
  EXPECT_TRUE(is_visible(run.control(窗口更多按钮)));
  EXPECT_FALSE(is_visible(run.control(外形框_设置)));
  EXPECT_EQ(SendMessageW(run.control(选择框_自动刷新), BM_GETCHECK, 0, 0), BST_CHECKED);

  // The board has no 32 767-character limit.
  EXPECT_GT(static_cast<unsigned long>(SendMessageW(board, EM_GETLIMITTEXT, 0, 0)), 1000000ul);

  // The title label shows the clock from the first tick, 3 s after start.
  HWND title = run.control(窗口假上);
  EXPECT_TRUE(wait_until([&] { return window_text(title).rfind(std::string(kMainCaption) + " - [", 0) == 0; },
                         Millis{8000}))
      << window_text(title);
  screenshot("main-window", main);
}

TEST(MainWindow, BoardOfTenThousandEventsShowsThemAll) {
  OrvaneRun run;
  std::string list;
  for (int i = 0; i < 10000; ++i) list += "2030年1月2日3时4分5秒/事件" + std::to_string(i) + "\r\n";
  run.dir().write("Orvane.txt", utf8_to_gbk(list));
  run.start();
  HWND board = run.control(编辑框_显示);
  ASSERT_NE(board, nullptr);
  std::string text;
  EXPECT_TRUE(wait_until([&] {
    text = window_text(board);
    return text.size() > 1000000 && text.ends_with("共 10000 条");
  })) << text.size();
  EXPECT_NE(text.find("/事件0 [周三]\r\n"), std::string::npos);
  EXPECT_NE(text.find("/事件9999 [周三]\r\n"), std::string::npos);
  // The caret is at the end.
  DWORD start = 0, end = 0;
  SendMessageW(board, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(end, static_cast<DWORD>(SendMessageW(board, WM_GETTEXTLENGTH, 0, 0)));
}

TEST(MainWindow, FontLabelsChangeTheBoardFont) {
  OrvaneRun run;
  run.start();
  HWND board = run.control(编辑框_显示);
  HWND bigger = run.control(标签_字体增大);
  ASSERT_NE(bigger, nullptr);
  // GDI handles stay in their process: the font shows as the height of a line.
  const auto font_height = [&] {
    const LRESULT second = SendMessageW(board, EM_LINEINDEX, 1, 0);
    const LRESULT first_pos = SendMessageW(board, EM_POSFROMCHAR, 0, 0);
    const LRESULT second_pos = SendMessageW(board, EM_POSFROMCHAR, static_cast<WPARAM>(second), 0);
    return static_cast<LONG>(static_cast<short>(HIWORD(second_pos)) - static_cast<short>(HIWORD(first_pos)));
  };
  ASSERT_TRUE(wait_until([&] { return shows_board(board) && font_height() > 0; }));
  const LONG before = font_height();
  for (int i = 0; i < 3; ++i) click_at(bigger, 5, 5);
  EXPECT_TRUE(wait_until([&] { return font_height() > before; }, Millis{5000})) << before;
}

TEST(MainWindow, TitleLabelDragsTheWindow) {
  OrvaneRun run;
  run.start();
  HWND main = run.main_window();
  ASSERT_NE(main, nullptr);
  HWND title = run.control(窗口假上);
  ASSERT_TRUE(wait_until([&] { return shows_board(run.control(编辑框_显示)); }));
  const RECT before = window_rect(main);
  drag(title, -60, 30);
  EXPECT_TRUE(wait_until([&] { return window_rect(main).left != before.left; }, Millis{3000}));
  const RECT after = window_rect(main);
  EXPECT_EQ(after.left - before.left, -60);
  EXPECT_EQ(after.top - before.top, 30);
}

TEST(MainWindow, WrongExecutableNameEndsWithAMessage) {
  OrvaneRun run("orvane.exe");
  run.start();
  HWND box = wait_for_top_window(kProductName, run.process().id());
  ASSERT_NE(box, nullptr) << "no message box";
  std::string texts;
  for (HWND child : child_windows(box)) texts += window_text(child) + "|";
  EXPECT_NE(texts.find("程序名已固定为 Orvane.exe ，请勿修改"), std::string::npos) << texts;
  screenshot("wrong-name-message");
  EXPECT_FALSE(run.dir().exists("Orvane.txt"));
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  const auto code = run.process().wait_exit(Millis{10000});
  ASSERT_TRUE(code.has_value()) << "the program did not end";
  EXPECT_EQ(*code, 0u);
  EXPECT_FALSE(run.dir().exists("Orvane.txt"));
  EXPECT_FALSE(run.dir().exists("config.ini"));
  EXPECT_TRUE(top_windows(kMainCaption, run.process().id()).empty());
}

}  // namespace
}  // namespace orvane::e2e

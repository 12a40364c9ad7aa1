// The real program against what users and the system do by accident: Esc in
// the board, a clock that jumps, a launch typed in lower case, a config.ini
// with Chinese text on a non-Chinese system, a read-only event list, a line
// too long to edit.
#include <gtest/gtest.h>

#include <string>

#include "core/text_codec.h"
#include "tests/e2e/harness.h"

namespace orvane::e2e {
namespace {

void press_key(WORD vk) {
  INPUT in[2]{};
  in[0].type = INPUT_KEYBOARD;
  in[0].ki.wVk = vk;
  in[1] = in[0];
  in[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, in, sizeof(INPUT));
  Sleep(300);
}

// A click of the real mouse at a point of the window's client area.
void real_click(HWND window, int x, int y) {
  POINT p{x, y};
  ClientToScreen(window, &p);
  SetCursorPos(p.x, p.y);
  Sleep(200);
  INPUT in[2]{};
  in[0].type = INPUT_MOUSE;
  in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  in[1] = in[0];
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, in, sizeof(INPUT));
  Sleep(300);
}

// Text of the program's message box, closed afterwards; "" when none came.
std::string answer_message_box(DWORD pid) {
  HWND box = wait_for_top_window(kProductName, pid, Millis{10000});
  if (box == nullptr) return {};
  std::string texts;
  for (HWND child : child_windows(box)) texts += window_text(child) + "|";
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  wait_until([&] { return top_windows(kProductName, pid).empty(); });
  return texts;
}

TEST(Robustness, EscInTheBoardAndTheEditorKeepsEveryPane) {
  OrvaneRun run;
  run.start();
  HWND main = run.main_window();
  ASSERT_NE(main, nullptr);
  HWND board = run.control(编辑框_显示);
  HWND start_pane = run.control(外形框_启动);
  ASSERT_TRUE(wait_until([&] { return shows_board(board); }));
  real_click(board, 40, 40);
  ASSERT_TRUE(wait_until([&] { return GetForegroundWindow() == main; }, Millis{5000}));
  press_key(VK_ESCAPE);
  post_command(main, MainCommand::设置);
  HWND pane = run.control(外形框_设置);
  HWND editor = run.control(编辑框_设置);
  ASSERT_TRUE(wait_until([&] { return is_visible(pane); }, Millis{10000}));
  press_key(VK_ESCAPE);  // the editor has the focus once the pane is open
  Sleep(500);
  EXPECT_TRUE(IsWindow(start_pane)) << "Esc in the board destroyed the start pane";
  EXPECT_TRUE(IsWindow(board));
  EXPECT_TRUE(IsWindow(pane)) << "Esc in the editor destroyed the settings pane";
  EXPECT_TRUE(IsWindow(editor));
  EXPECT_TRUE(is_visible(pane));
  EXPECT_TRUE(is_visible(board));
  EXPECT_TRUE(IsWindowVisible(main));
}

struct ClockMessage {
  const char* name;
  UINT message;
  WPARAM wparam;
};

class ClockChange : public ::testing::TestWithParam<ClockMessage> {};

TEST_P(ClockChange, RebuildsTheBoardAtOnce) {
  OrvaneRun run;
  // Without automatic refresh only the clock change can rebuild the board.
  run.dir().write("config.ini", "[general]\r\nautofresh=no\r\n");
  run.start();
  HWND main = run.main_window();
  ASSERT_NE(main, nullptr);
  HWND board = run.control(编辑框_显示);
  ASSERT_TRUE(wait_until([&] { return shows_board(board); }));
  run.dir().write("Orvane.txt", utf8_to_gbk("2040年1月1日/时钟变了"));
  PostMessageW(main, GetParam().message, GetParam().wparam, 0);
  EXPECT_TRUE(
      wait_until([&] { return window_text(board).find("/时钟变了") != std::string::npos; }, Millis{5000}))
      << GetParam().name << ": " << window_text(board);
}

INSTANTIATE_TEST_SUITE_P(Messages, ClockChange,
                         ::testing::Values(ClockMessage{"time change", WM_TIMECHANGE, 0},
                                           ClockMessage{"resume", WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC},
                                           ClockMessage{"resume by the user", WM_POWERBROADCAST,
                                                        PBT_APMRESUMESUSPEND}),
                         [](const auto& case_info) { return "Case" + std::to_string(case_info.index); });

TEST(Robustness, LaunchTypedInLowerCaseRunsTheRightlyNamedProgram) {
  RunDir dir("LaunchTypedInLowerCase");
  const auto exe = dir.install_exe("Orvane.exe");
  Process process = Process::start(exe.parent_path() / "orvane.exe", dir.path());
  EXPECT_NE(wait_for_top_window(kMainCaption, process.id()), nullptr) << "refused a correctly named program";
  EXPECT_TRUE(top_windows(kProductName, process.id()).empty()) << "the name message came up";
}

TEST(Robustness, ConfigIsGbkWhateverTheSystemCodePage) {
  OrvaneRun run;
  run.dir().write("config.ini", utf8_to_gbk("[general]\r\nautoactivate_min=１５分\r\n"));
  run.start();
  HWND main = run.main_window();
  ASSERT_NE(main, nullptr);
  std::printf("system ANSI code page: %u\n", GetACP());
  HWND minutes = run.control(编辑框_程序缩至托盘);
  EXPECT_EQ(window_text(minutes), "１５分");
  post_command(main, MainCommand::设置);
  ASSERT_TRUE(wait_until([&] { return is_visible(run.control(外形框_设置)); }, Millis{10000}));
  const std::wstring thirty = widen("３０");
  SendMessageW(minutes, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(thirty.c_str()));
  click_button(run.control(超级按钮_设置));
  ASSERT_TRUE(wait_until([&] {
    return run.dir().read("config.ini").value_or("").find(utf8_to_gbk("autoactivate_min=３０")) !=
           std::string::npos;
  })) << run.dir().read("config.ini").value_or("");
}

TEST(Robustness, ReadOnlyEventListIsNotReplaced) {
  OrvaneRun run;
  const std::string list = utf8_to_gbk("2040年1月1日/只读的");
  run.dir().write("Orvane.txt", list);
  const std::wstring path = run.dir().file("Orvane.txt").wstring();
  ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
  run.start();
  HWND main = run.main_window();
  ASSERT_NE(main, nullptr);
  post_command(main, MainCommand::设置);
  HWND editor = run.control(编辑框_设置);
  ASSERT_TRUE(wait_until([&] { return is_visible(run.control(外形框_设置)); }, Millis{10000}));
  const std::wstring text = widen("2041年1月1日/改过的");
  SendMessageW(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  click_button(run.control(超级按钮_设置));
  const std::string message = answer_message_box(run.process().id());
  EXPECT_NE(message.find("无法保存"), std::string::npos) << message;
  EXPECT_EQ(run.dir().read("Orvane.txt"), list);
  EXPECT_NE(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_READONLY, 0u)
      << "the file lost its read-only flag";
  EXPECT_EQ(window_text(editor), "2041年1月1日/改过的");
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(Robustness, OverlongLineIsShownCutInTheEditorAndNeverSavedCut) {
  OrvaneRun run;
  const std::string list = utf8_to_gbk("2040年1月1日/") + std::string(100000, 'x');
  run.dir().write("Orvane.txt", list);
  run.start();
  HWND main = run.main_window();
  ASSERT_NE(main, nullptr);
  post_command(main, MainCommand::设置);
  HWND editor = run.control(编辑框_设置);
  ASSERT_TRUE(wait_until([&] { return is_visible(run.control(外形框_设置)); }, Millis{10000}));
  ASSERT_TRUE(answers(main));
  const std::string shown = window_text(editor);
  EXPECT_TRUE(shown.ends_with("……（此行过长，只显示前 4096 个字）")) << shown.size() << " bytes";
  click_button(run.control(超级按钮_设置));
  const std::string message = answer_message_box(run.process().id());
  EXPECT_NE(message.find("文本编辑器"), std::string::npos) << message;
  EXPECT_EQ(run.dir().read("Orvane.txt"), list);
  EXPECT_TRUE(is_visible(run.control(外形框_设置)));
}

TEST(Robustness, BoardOpensScrolledToItsEnd) {
  OrvaneRun run;
  std::string list;
  for (int i = 0; i < 300; ++i) list += "2040年1月1日/事件" + std::to_string(i) + "\r\n";
  run.dir().write("Orvane.txt", utf8_to_gbk(list));
  run.start();
  HWND board = run.control(编辑框_显示);
  ASSERT_TRUE(wait_until([&] { return shows_board(board); }));
  const auto lines = SendMessageW(board, EM_GETLINECOUNT, 0, 0);
  const auto first = SendMessageW(board, EM_GETFIRSTVISIBLELINE, 0, 0);
  EXPECT_GT(first, lines / 2) << "the board shows its top, not its end (" << first << " of " << lines << ")";
}

}  // namespace
}  // namespace orvane::e2e

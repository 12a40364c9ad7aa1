// Benchmark of the real window (not a test of speed): for event lists of
// 1 000, 10 000 and 100 000 events, the time from launch to the first board
// and the longest time the main window leaves a sent WM_NULL unanswered while
// it rebuilds the board twice. Prints a table. It fails only when the program
// dies, or stops answering for many minutes.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/harness.h"

namespace orvane::e2e {
namespace {

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;
using Minutes = std::chrono::minutes;

constexpr UINT kHungMs = 10 * 60 * 1000;  // no answer for this long counts as a hang

struct Figures {
  int events = 0;
  double first_board = 0;      // launch to the visible window with its board, s
  double longest_silence = 0;  // longest unanswered WM_NULL during the rebuilds, s
  double rebuilds = 0;         // both rebuilds, from the first tick posted to the end, s
};

std::string event_list(int events) {
  std::string list;
  for (int i = 0; i < events; ++i) {
    list += "20" + std::to_string(31 + i % 9) + "年" + std::to_string(1 + i % 12) + "月" +
            std::to_string(1 + i % 28) + "日/事件" + std::to_string(i) + "\r\n";
  }
  return utf8_to_gbk(list);
}

// The window's text without a message: a busy window cannot hold the caller up.
std::wstring stored_text(HWND window) {
  wchar_t text[256]{};
  GetWindowTextW(window, text, 256);
  return text;
}

// Seconds until the window answered a sent WM_NULL; nothing when it did not within kHungMs.
std::optional<double> answer_time(HWND window) {
  const auto sent = Clock::now();
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kHungMs, &result)) return std::nullopt;
  return Seconds(Clock::now() - sent).count();
}

void measure(int events, Figures& out) {
  out.events = events;
  RunDir dir("WindowBench." + std::to_string(events));
  dir.write("Orvane.txt", event_list(events));
  const auto exe = dir.install_exe();

  const auto launched = Clock::now();
  Process process = Process::start(exe, dir.path());
  HWND main = nullptr;
  ASSERT_TRUE(wait_until(
      [&] {
        for (HWND w : top_windows(kMainCaption, process.id()))
          if (IsWindowVisible(w)) main = w;
        return main != nullptr || !process.running();
      },
      Minutes{10}, Millis{10}));
  ASSERT_NE(main, nullptr) << "the program ended without a window";
  // The window is shown once the first board is in.
  const auto shown = Clock::now();
  out.first_board = Seconds(shown - launched).count();
  HWND board = find_control(main, 编辑框_显示);
  HWND title = find_control(main, 窗口假上);
  ASSERT_NE(board, nullptr);
  ASSERT_NE(title, nullptr);
  DWORD_PTR length = 0;
  ASSERT_NE(SendMessageTimeoutW(board, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kHungMs, &length), 0);
  ASSERT_GT(length, 0u) << "the window came without a board";

  // Two rebuilds, then a title clock tick that ends the marker text: once
  // the marker is gone, both rebuilds are over.
  const std::wstring marker = L"bench";
  SendMessageW(title, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(marker.c_str()));
  const auto ticked = Clock::now();
  post_tick(main, 时钟_刷新倒计时, 2);
  post_tick(main, 时钟_标题时刻, 1);
  while (stored_text(title) == marker) {
    const std::optional<double> took = answer_time(main);
    ASSERT_TRUE(took.has_value()) << "no answer for " << kHungMs / 1000 << " s";
    out.longest_silence = std::max(out.longest_silence, *took);
    Sleep(5);
  }
  out.rebuilds = Seconds(Clock::now() - ticked).count();

  post_command(main, MainCommand::退出);
  const auto code = process.wait_exit(Minutes{10});
  ASSERT_TRUE(code.has_value()) << "the program did not end through 退出";
  EXPECT_EQ(*code, 0u);
}

TEST(WindowBench, LaunchAndTwoRebuilds) {
  std::vector<Figures> rows;
  for (const int events : {1000, 10000, 100000}) {
    Figures f;
    measure(events, f);
    if (::testing::Test::HasFatalFailure()) return;
    rows.push_back(f);
  }
  std::printf("\nWindow benchmark (the real Orvane.exe, default font and window):\n");
  std::printf(
      "| events | launch to first board | longest without an answer in two rebuilds | two rebuilds |\n");
  std::printf("|---|---|---|---|\n");
  for (const Figures& f : rows) {
    std::printf("| %d | %.2f s | %.2f s | %.2f s |\n", f.events, f.first_board, f.longest_silence,
                f.rebuilds);
  }
}

}  // namespace
}  // namespace orvane::e2e

// The real program against event lists a user can make by accident: huge,
// damaged or one endless line. None may hang it: the window comes, answers,
// and the tray menu's "退出" ends it. The waits are minutes long on purpose;
// how fast it is, is the benchmark's business.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "tests/e2e/harness.h"

namespace orvane::e2e {
namespace {

using Clock = std::chrono::steady_clock;
using Minutes = std::chrono::minutes;

struct BigInput {
  const char* name;
  std::string (*list)();  // the bytes of Orvane.txt
};

std::string many_events() {
  std::string list;
  for (int i = 0; i < 500000; ++i) list += "2040年1月1日/事件" + std::to_string(i) + "\r\n";
  return utf8_to_gbk(list);
}

std::string bare_carriage_returns() { return std::string(100000, '\r'); }

std::string one_endless_line() { return utf8_to_gbk("2040年1月1日/") + std::string(100000, 'x'); }

class BigInputs : public ::testing::TestWithParam<BigInput> {};

TEST_P(BigInputs, WindowComesAnswersAndTheTrayMenuEndsTheProgram) {
  OrvaneRun run;
  run.dir().write("Orvane.txt", GetParam().list());
  const auto started = Clock::now();
  run.start();
  HWND main = run.main_window(Minutes{8});
  ASSERT_NE(main, nullptr) << "no window";
  const auto shown = Clock::now();
  // Whatever it is doing (a rebuild may have begun), it comes back to its messages.
  EXPECT_TRUE(answers(main, Minutes{5})) << "the window does not answer";
  HWND board = run.control(编辑框_显示, Minutes{1});
  ASSERT_NE(board, nullptr);
  DWORD_PTR length = 0;
  EXPECT_NE(SendMessageTimeoutW(board, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 300000, &length), 0);
  EXPECT_GT(length, 0u) << "no board";
  post_command(main, MainCommand::退出);
  const auto code = run.process().wait_exit(Minutes{5});
  ASSERT_TRUE(code.has_value()) << "the program did not end";
  EXPECT_EQ(*code, 0u);
  const auto seconds = [](auto d) { return std::chrono::duration<double>(d).count(); };
  std::printf("%s: window after %.1f s, ended %.1f s later\n", GetParam().name, seconds(shown - started),
              seconds(Clock::now() - shown));
}

INSTANTIATE_TEST_SUITE_P(Lists, BigInputs,
                         ::testing::Values(BigInput{"500 000 events", many_events},
                                           BigInput{"100 000 bare CR bytes", bare_carriage_returns},
                                           BigInput{"one line of 100 000 characters", one_endless_line}),
                         [](const auto& case_info) { return "Case" + std::to_string(case_info.index); });

}  // namespace
}  // namespace orvane::e2e

// The calendar pane and the date interval calculator of the real program,
// opened through the main window's "more" menu commands.
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <string>

#include "calendar/date_calculator_design.h"
#include "tests/e2e/harness.h"

namespace orvane::e2e {
namespace {

using calendar::CalculatorControl;

// The calculator: a visible top-level window of the program without caption
// that holds the first date box.
HWND find_calculator(DWORD pid) {
  HWND found = nullptr;
  wait_until([&] {
    for (HWND w : top_windows("", pid))
      if (is_visible(w) && find_control(w, CalculatorControl::日期框_1)) found = w;
    return found != nullptr;
  });
  return found;
}

// A date-time picker of another process takes its SYSTEMTIME from memory of
// that process.
class RemoteTime {
 public:
  explicit RemoteTime(DWORD pid) : process_(OpenProcess(PROCESS_ALL_ACCESS, FALSE, pid)) {
    if (process_) memory_ = VirtualAllocEx(process_, nullptr, sizeof(SYSTEMTIME), MEM_COMMIT, PAGE_READWRITE);
  }
  ~RemoteTime() {
    if (memory_) VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  RemoteTime(const RemoteTime&) = delete;
  RemoteTime& operator=(const RemoteTime&) = delete;

  bool set(HWND picker, WORD y, WORD mo, WORD d, WORD h, WORD mi, WORD s) {
    SYSTEMTIME t{y, mo, 0, d, h, mi, s, 0};
    return memory_ && WriteProcessMemory(process_, memory_, &t, sizeof t, nullptr) &&
           SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(memory_));
  }
  std::optional<SYSTEMTIME> get(HWND picker) {
    SYSTEMTIME t{};
    if (!memory_ ||
        SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(memory_)) != GDT_VALID ||
        !ReadProcessMemory(process_, memory_, &t, sizeof t, nullptr))
      return std::nullopt;
    return t;
  }

 private:
  HANDLE process_;
  void* memory_ = nullptr;
};

// The texts of the message box titled "信息：", which is then closed.
std::string answer_info_box(DWORD pid) {
  HWND box = wait_for_top_window("信息：", pid, Millis{10000});
  if (!box) return "(no message box)";
  std::string texts;
  for (HWND child : child_windows(box)) texts += window_text(child) + "|";
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  wait_until([&] { return top_windows("信息：", pid).empty(); });
  return texts;
}

std::string today_prefix() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return std::to_string(now.wYear) + "年" + std::to_string(now.wMonth) + "月" + std::to_string(now.wDay) +
         "日 农历";
}

TEST(CalendarTools, CalendarPaneOpensCentredOnTodayAndMovesByKeys) {
  OrvaneRun run;
  run.start();
  HWND main = run.main_window();
  ASSERT_NE(main, nullptr);
  HWND pane = run.control(外形框_万年历);
  HWND cal = run.control(农历月历1);
  ASSERT_FALSE(is_visible(pane));
  post_command(main, MainCommand::万年历);
  ASSERT_TRUE(wait_until([&] { return is_visible(pane); })) << "the pane did not open";
  const RECT p = window_rect(pane), w = window_rect(main);
  EXPECT_EQ(p.left - w.left, ((w.right - w.left) - 384) / 2);
  EXPECT_EQ(p.top - w.top, ((w.bottom - w.top) - 331) / 2);
  EXPECT_EQ(window_text(cal).rfind(today_prefix(), 0), 0u) << window_text(cal);

  // Back to February 2024 by months, then to its tenth day: 甲辰 正月初一.
  SYSTEMTIME now;
  GetLocalTime(&now);
  const int months = (now.wYear - 2024) * 12 + (now.wMonth - 2);
  for (int i = 0; i < months; ++i) PostMessageW(cal, WM_KEYDOWN, VK_PRIOR, 0);
  PostMessageW(cal, WM_KEYDOWN, VK_HOME, 0);
  for (int i = 0; i < 9; ++i) PostMessageW(cal, WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_TRUE(wait_until([&] { return window_text(cal) == "2024年2月10日 农历甲辰年正月初一"; }))
      << window_text(cal);
  screenshot("calendar-pane-gregorian", main);

  click_at(run.control(农历标签), 10, 10);
  PostMessageW(cal, WM_KEYDOWN, VK_NEXT, 0);  // the next lunar month: 二月初一
  EXPECT_TRUE(wait_until([&] { return window_text(cal) == "2024年3月10日 农历甲辰年二月初一"; }))
      << window_text(cal);
  screenshot("calendar-pane-lunar", main);

  click_at(run.control(公历标签1), 10, 10);  // 今天
  EXPECT_TRUE(wait_until([&] { return window_text(cal).rfind(today_prefix(), 0) == 0; })) << window_text(cal);
  click_at(run.control(标签6), 4, 4);  // ×
  EXPECT_TRUE(wait_until([&] { return !is_visible(pane); }));
}

TEST(CalendarTools, DateCalculatorComputesFromItsPickers) {
  OrvaneRun run;
  run.start();
  HWND main = run.main_window();
  ASSERT_NE(main, nullptr);
  const DWORD pid = run.process().id();
  post_command(main, MainCommand::日期间隔计算器);
  HWND calc = find_calculator(pid);
  ASSERT_NE(calc, nullptr) << "the calculator did not open";
  const RECT r = window_rect(calc);
  EXPECT_EQ(r.right - r.left, 325);
  EXPECT_EQ(r.bottom - r.top, 291);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 325) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 291) / 2);

  HWND one = find_control(calc, CalculatorControl::日期框_1);
  HWND two = find_control(calc, CalculatorControl::日期框_2);
  HWND start = find_control(calc, CalculatorControl::日期框_3);
  ASSERT_EQ(class_name(one), "SysDateTimePick32");
  RemoteTime remote(pid);
  ASSERT_TRUE(remote.set(one, 2024, 5, 7, 15, 4, 28));
  ASSERT_TRUE(remote.set(two, 2024, 5, 6, 14, 3, 27));
  ASSERT_TRUE(remote.set(start, 2024, 5, 6, 14, 3, 27));
  screenshot("date-calculator", calc);

  click_button(find_control(calc, CalculatorControl::超级按钮1));
  EXPECT_NE(answer_info_box(pid).find(" 两时间差：90061秒 / 1天01时01分01秒"), std::string::npos);
  EXPECT_TRUE(wait_until([&] { return GetFocus() == one || GetForegroundWindow() == calc; }));

  HWND days = find_control(calc, CalculatorControl::编辑框_天);
  SendMessageW(days, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"10"));
  click_button(find_control(calc, CalculatorControl::超级按钮2));
  EXPECT_NE(answer_info_box(pid).find("2024年5月16日14时3分27秒，周四"), std::string::npos);
  SendMessageW(days, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
  click_button(find_control(calc, CalculatorControl::超级按钮2));
  EXPECT_NE(answer_info_box(pid).find("2024年5月6日14时3分27秒，周一"), std::string::npos);
  EXPECT_EQ(window_text(days), "0");

  // "现时" puts the current moment into its own box only.
  click_at(find_control(calc, CalculatorControl::标签3), 4, 4);
  SYSTEMTIME now;
  GetLocalTime(&now);
  ASSERT_TRUE(wait_until([&] {
    const auto t = remote.get(two);
    return t && t->wYear == now.wYear && t->wMonth == now.wMonth;
  }));
  EXPECT_EQ(remote.get(one)->wYear, 2024);

  // A second opening brings the minimised window back unchanged.
  ShowWindow(calc, SW_MINIMIZE);
  ASSERT_TRUE(wait_until([&] { return IsIconic(calc) != FALSE; }));
  post_command(main, MainCommand::日期间隔计算器);
  EXPECT_TRUE(wait_until([&] { return !IsIconic(calc); })) << "not restored";
  EXPECT_EQ(remote.get(one)->wDay, 7);
  EXPECT_EQ(find_calculator(pid), calc) << "a second window was made";

  click_at(find_control(calc, CalculatorControl::标签1), 4, 4);  // ×
  EXPECT_TRUE(wait_until([&] { return !IsWindow(calc); })) << "× did not close the window";
}

}  // namespace
}  // namespace orvane::e2e

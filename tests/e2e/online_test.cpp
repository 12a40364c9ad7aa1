// Online content on the real program: marker pages made by the page producer
// and served through a local proxy, the labels that show them, the browser
// that their clicks start, and a window that keeps answering while a page hangs.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "online/addresses.h"
#include "tests/e2e/harness.h"
#include "tests/e2e/web_proxy.h"
#include "tools/marker_page_producer.h"

namespace orvane::e2e {
namespace {

using tools::PageKind;

class Online : public ::testing::Test {
 protected:
  Online() : browser_(run_.dir().file("browser.txt").wstring()) {}

  void serve_info(const std::vector<tools::Section>& sections) {
    const auto page = tools::make_marker_page(PageKind::Info, sections);
    ASSERT_TRUE(page);
    proxy_.serve(std::string(online::info_page_url), *page);
  }
  void start() {
    run_.start();
    main_ = run_.main_window();
    ASSERT_NE(main_, nullptr);
  }
  // Ticks the online timer and waits for the bottom strip to show the text.
  void tick_until_bottom_shows(std::string_view text) {
    post_tick(main_, 时钟_联机);
    HWND bottom = run_.control(窗口假下);
    EXPECT_TRUE(wait_until([&] { return window_text(bottom) == text; }, Millis{15000}))
        << "the bottom strip shows " << window_text(bottom);
  }
  // The arguments of each browser start, in order.
  std::vector<std::vector<std::string>> browser_starts() {
    std::vector<std::vector<std::string>> starts(1);
    const std::string record = run_.dir().read("browser.txt").value_or("");
    std::size_t at = 0;
    while (at < record.size()) {
      const std::size_t end = record.find('\n', at);
      const std::string line = record.substr(at, end - at);
      at = end == std::string::npos ? record.size() : end + 1;
      if (line == "--")
        starts.emplace_back();
      else
        starts.back().push_back(line);
    }
    starts.pop_back();
    return starts;
  }
  std::vector<std::string> press_and_wait(app::MainControl label) {
    const std::size_t before = browser_starts().size();
    click_at(run_.control(label), 3, 3);
    EXPECT_TRUE(wait_until([&] { return browser_starts().size() > before; }, Millis{10000}))
        << "no browser started";
    const auto starts = browser_starts();
    return starts.size() > before ? starts.back() : std::vector<std::string>{};
  }

  WebProxy proxy_;
  OrvaneRun run_;
  RecordingBrowser browser_;
  HWND main_ = nullptr;
};

TEST_F(Online, LabelsShowTheInfoPageAndOpenItsLinks) {
  serve_info({{"文本", "底部文字"},
              {"链接", "http://ad.example/bottom?a=1&b=2"},
              {"设置中广告文本", "设置文字"},
              {"设置中广告链接", "http://ad.example/settings"}});
  start();
  click_at(run_.control(窗口假下), 3, 3);
  ASSERT_TRUE(wait_until([&] { return !browser_starts().empty(); }, Millis{10000}));
  EXPECT_EQ(browser_starts()[0], std::vector<std::string>{std::string(online::shop_channel_url)})
      << "before the first tick";

  tick_until_bottom_shows("底部文字");
  EXPECT_EQ(window_text(run_.control(标签_二广告)), " 设置文字");
  EXPECT_EQ(window_text(run_.control(标签_设置下广告)), "设置文字");
  EXPECT_EQ(press_and_wait(窗口假下), std::vector<std::string>{"http://ad.example/bottom?a=1&b=2"});
  EXPECT_EQ(press_and_wait(标签_二广告), std::vector<std::string>{"http://ad.example/settings"});
  EXPECT_EQ(proxy_.requests(std::string(online::info_page_url)), 1);
  screenshot("online-labels", main_);
}

TEST_F(Online, LinksFromThePageCannotAddArgumentsOrStartOtherPrograms) {
  serve_info({{"文本", "底部文字"},
              {"链接", "http://ad.example/x\" --new-window \"file:///C:/windows/notepad.exe"},
              {"设置中广告文本", "设置文字"},
              {"设置中广告链接", "file:///C:/windows/notepad.exe"}});
  start();
  tick_until_bottom_shows("底部文字");
  EXPECT_EQ(
      press_and_wait(窗口假下),
      std::vector<std::string>{"http://ad.example/x%22%20--new-window%20%22file:///C:/windows/notepad.exe"});

  const std::size_t before = browser_starts().size();
  click_at(run_.control(标签_二广告), 3, 3);
  HWND box = wait_for_top_window("提示：", run_.process().id(), Millis{10000});
  ASSERT_NE(box, nullptr) << "no message";
  EXPECT_EQ(browser_starts().size(), before);
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  const std::wstring copied = data ? static_cast<const wchar_t*>(GlobalLock(data)) : L"";
  if (data) GlobalUnlock(data);
  CloseClipboard();
  EXPECT_EQ(narrow(copied), "file:///C:/windows/notepad.exe");
  PostMessageW(box, WM_CLOSE, 0, 0);
}

TEST_F(Online, TheWindowAnswersWhileAPageHangsAndTheLabelsKeepTheirDefaults) {
  proxy_.hang(std::string(online::info_page_url));
  start();
  post_tick(main_, 时钟_联机);
  ASSERT_TRUE(wait_until([&] { return proxy_.requests(std::string(online::info_page_url)) == 1; }));
  for (int i = 0; i < 5; ++i) {
    DWORD_PTR ignored = 0;
    EXPECT_TRUE(SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &ignored))
        << "the window does not answer during the fetch";
    Sleep(500);
  }
  // A click during the wait is handled at once.
  click_at(run_.control(窗口假下), 3, 3);
  EXPECT_TRUE(wait_until([&] { return run_.dir().read("browser.txt").has_value(); }, Millis{5000}));
  // After the wait the defaults stay.
  Sleep(9000);
  EXPECT_EQ(window_text(run_.control(窗口假下)), "淘宝淘实惠");
}

TEST_F(Online, ExitDuringAFetchEndsTheProgramAtOnce) {
  proxy_.hang(std::string(online::info_page_url));
  start();
  post_tick(main_, 时钟_联机);
  ASSERT_TRUE(wait_until([&] { return proxy_.requests(std::string(online::info_page_url)) == 1; }));
  // Under Wine a plain exit takes about 4 s; the page's wait would add 10 s.
  post_command(main_, MainCommand::退出);
  EXPECT_EQ(run_.process().wait_exit(Millis{10000}), std::optional<DWORD>(0)) << "still waiting for the page";
}

TEST_F(Online, HintBalloonAtTheMoreButtonFiveSecondsAfterStart) {
  start();
  HWND more = run_.control(窗口更多按钮);
  ASSERT_NE(more, nullptr);
  const RECT button = window_rect(more);
  HWND tip = nullptr;
  ASSERT_TRUE(wait_until(
      [&] {
        for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
          DWORD owner = 0;
          GetWindowThreadProcessId(w, &owner);
          // The main window's own: the search box shows one of its own at start.
          if (owner == run_.process().id() && IsWindowVisible(w) && class_name(w) == "tooltips_class32" &&
              GetWindow(w, GW_OWNER) == main_) {
            tip = w;
            return true;
          }
        }
        return false;
      },
      Millis{15000}))
      << "no balloon";
  screenshot("start-hint");
  // The balloon's stem points at the button's centre.
  const RECT r = window_rect(tip);
  const LONG x = (button.left + button.right) / 2, y = (button.top + button.bottom) / 2;
  EXPECT_TRUE(x >= r.left - 2 && x <= r.right + 2 && y >= r.top - 2 && y <= r.bottom + 2)
      << "balloon at " << r.left << "," << r.top << "-" << r.right << "," << r.bottom << "; centre " << x
      << "," << y;
}

constexpr std::string_view kMiniCaption = "Kelu软件更小型迷你资讯窗口";

TEST_F(Online, MiniWindowWritesThePageFilesAndSitsInTheCorner) {
  const auto page = tools::make_marker_page(
      PageKind::Mini, {{"css网址", "http://ad.example/mini.css"}, {"子夹1html内容", "<p>今日 a&b</p>"}});
  ASSERT_TRUE(page);
  proxy_.serve(std::string(online::mini_page_url), *page);
  proxy_.serve("http://ad.example/mini.css", "p { color: red }");
  start();
  post_tick(main_, 时钟_迷你资讯);
  HWND mini = wait_for_top_window(kMiniCaption, run_.process().id(), Millis{15000});
  ASSERT_NE(mini, nullptr) << "no mini window";
  EXPECT_EQ(run_.dir().read("ad\\css.css"), "p { color: red }");
  EXPECT_EQ(run_.dir().read("ad\\miniweb1.html"),
            "<head><link rel=\"stylesheet\" type=\"text/css\" href=\"css.css\"/> </head>" +
                utf8_to_gbk("<p>今日 a&b</p>"));
  const int hs = GetSystemMetrics(SM_CYSCREEN), ws = GetSystemMetrics(SM_CXSCREEN);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int bar = hs - work.bottom == 0 ? 40 : hs - work.bottom;
  const RECT r = window_rect(mini);
  EXPECT_EQ(r.right - r.left, 298);
  EXPECT_EQ(r.bottom - r.top, 112);
  EXPECT_EQ(r.left, ws - 298 - 4);
  EXPECT_EQ(r.top, hs - 112 - bar - 4);
  screenshot("mini-window");

  // One at a time: the next tick finds it open.
  post_tick(main_, 时钟_迷你资讯);
  Sleep(1500);
  EXPECT_EQ(top_windows(kMiniCaption, run_.process().id()).size(), 1u);
  EXPECT_EQ(proxy_.requests(std::string(online::mini_page_url)), 1);
}

TEST_F(Online, NoMiniWindowWhileAnotherProgramShowsOne) {
  // A window of another process with the mini window's caption.
  HWND other = CreateWindowExW(0, L"STATIC", widen(kMiniCaption).c_str(), WS_POPUP, 0, 0, 10, 10, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(other, nullptr);
  start();
  post_tick(main_, 时钟_迷你资讯);
  Sleep(3000);
  EXPECT_TRUE(top_windows(kMiniCaption, run_.process().id()).empty());
  EXPECT_EQ(proxy_.requests(std::string(online::mini_page_url)), 0);
  DestroyWindow(other);
}

}  // namespace
}  // namespace orvane::e2e

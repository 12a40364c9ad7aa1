// The mini information windows: the page's files in the folder "ad", the
// defaults, the view and the window's place, one window at a time, closing,
// dragging and links that open a new window.
#include "online/mini_window.h"

#include <string>

#include "app/app_fixture.h"
#include "online/addresses.h"
#include "online/mini_window_design.h"
#include "tools/marker_page_producer.h"

namespace orvane::testing {
namespace {

using online::MiniControl;
using online::MiniInstance;

class MiniWindow : public AppTest {
 protected:
  void serve_mini(const std::vector<tools::Section>& sections) {
    memory::serve_page(std::string(online::mini_page_url),
                       tools::make_marker_page(tools::PageKind::Mini, sections));
  }
  // The main window's timer opens instance A.
  ui::Window tick() {
    EXPECT_TRUE(memory::fire(t(时钟_迷你资讯)));
    return online::mini_window(MiniInstance::A);
  }
  static ui::Control mc(ui::Window w, MiniControl id) { return ui::control(w, id); }
  int mini_requests() const { return memory::page_requests(std::string(online::mini_page_url)); }
};

TEST_F(MiniWindow, DefaultFilesWhenThePageGivesNothing) {
  start();
  const ui::Window w = tick();
  ASSERT_TRUE(ui::window_exists(w));
  EXPECT_TRUE(ui::is_window_visible(w));
  EXPECT_EQ(ui::caption(w), "Kelu软件更小型迷你资讯窗口");
  EXPECT_EQ(read("ad/css.css"), std::string(online::kDefaultStylesheet));
  EXPECT_EQ(online::kDefaultStylesheet.size(), 947u);
  const std::string page = read("ad/miniweb1.html").value_or("");
  EXPECT_EQ(page, *utf8_to_gbk(online::default_mini_page()));
  std::size_t lines = 0;
  for (std::size_t at = page.find("\r\n"); at != std::string::npos; at = page.find("\r\n", at + 2)) ++lines;
  EXPECT_EQ(lines, 22u);
  EXPECT_TRUE(page.ends_with("\r\n"));
  EXPECT_NE(page.find("pid=" ORVANE_TAOBAO_PID "&amp;eventid="), std::string::npos);
  EXPECT_NE(page.find("target=\"_blank\""), std::string::npos);
  EXPECT_EQ(online::mini_folder_path(MiniInstance::A), dir_.string() + "\\ad\\");
  EXPECT_EQ(memory::shown_file(mc(w, MiniControl::超文本浏览框_1)), dir_.string() + "\\ad\\miniweb1.html");
  EXPECT_EQ(ui::rect(mc(w, MiniControl::超文本浏览框_1)), (ui::Rect{-10, -16, 396, 201}));
  // Screen 1024 x 768, work area 738 high: a 30-pixel taskbar.
  EXPECT_EQ(ui::window_rect(w), (ui::Rect{1024 - 298 - 4, 768 - 112 - 30 - 4, 298, 112}));
}

TEST_F(MiniWindow, PageSectionsBecomeTheFiles) {
  start();
  memory::serve_page("http://ad.example/s.css", "a { color: red }");
  serve_mini({{"css网址", "http://ad.example/s.css"},
              {"子夹1html内容", "<head><title>t</title></head><p>今日 a&b</p>"}});
  tick();
  EXPECT_EQ(read("ad/css.css"), "a { color: red }");
  // The page's own head follows the head line unchanged.
  EXPECT_EQ(read("ad/miniweb1.html"), std::string(online::kMiniHeadLine) +
                                          *utf8_to_gbk("<head><title>t</title></head><p>今日 a&b</p>"));
}

TEST_F(MiniWindow, StylesheetFallbacks) {
  struct Case {
    const char* name;
    std::string css_url;
    std::optional<std::string> expected;
  };
  const Case cases[] = {
      {"no stylesheet section", "", std::string(online::kDefaultStylesheet)},
      {"address that fails", "http://ad.example/missing.css", ""},
      {"not a web address", "file:///C:/secret.txt", ""},
  };
  for (const Case& c : cases) {
    memory::reset();
    memory::set_executable_path((dir_ / "Orvane.exe").string());
    start();
    std::vector<tools::Section> sections = {{"子夹1html内容", "<p>x</p>"}};
    if (!c.css_url.empty()) sections.push_back({"css网址", c.css_url});
    serve_mini(sections);
    tick();
    EXPECT_EQ(read("ad/css.css"), c.expected) << c.name;
    EXPECT_EQ(memory::page_requests(c.css_url), c.css_url.starts_with("http") ? 1 : 0) << c.name;
    EXPECT_EQ(read("ad/miniweb1.html"), std::string(online::kMiniHeadLine) + "<p>x</p>") << c.name;
  }
}

TEST_F(MiniWindow, OneAtATimeAndAgainAfterClosing) {
  start();
  const ui::Window first = tick();
  EXPECT_EQ(mini_requests(), 1);
  tick();
  EXPECT_EQ(online::mini_window(MiniInstance::A), first) << "no second window";
  EXPECT_EQ(mini_requests(), 1);
  online::open_mini_window(MiniInstance::B);
  EXPECT_EQ(mini_requests(), 1) << "nor from the search box";

  memory::mouse_down(mc(first, MiniControl::标签_1));
  EXPECT_FALSE(ui::window_exists(first));
  const ui::Window second = tick();
  EXPECT_TRUE(ui::window_exists(second));
  EXPECT_EQ(mini_requests(), 2);
}

TEST_F(MiniWindow, TitleStripDragsAndNewWindowLinksGoToTheBrowser) {
  start();
  memory::set_registry_value("SOFTWARE\\Clients\\StartMenuInternet", "", "B");
  memory::set_registry_value("SOFTWARE\\Clients\\StartMenuInternet\\B\\shell\\open\\command", "", "b.exe");
  const ui::Window w = tick();
  memory::mouse_down(mc(w, MiniControl::标签1));
  EXPECT_EQ(memory::last_drag(), "迷你资讯窗口");
  memory::follow_new_window_link(mc(w, MiniControl::超文本浏览框_1), "http://ad.example/go");
  EXPECT_EQ(memory::started_processes(), std::vector<std::string>{"b.exe http://ad.example/go"});
}

TEST_F(MiniWindow, FilesGoToTheRunDirectoryWhenAdIsAFile) {
  write("ad", "not a folder");
  start();
  tick();
  EXPECT_EQ(online::mini_folder_path(MiniInstance::A), dir_.string() + "\\");
  EXPECT_EQ(read("css.css"), std::string(online::kDefaultStylesheet));
  EXPECT_TRUE(exists("miniweb1.html"));
  EXPECT_EQ(read("ad"), "not a folder");
}

TEST_F(MiniWindow, AWorkAreaDownToTheScreenEdgeLeaves44Pixels) {
  memory::set_screen(ui::ScreenInfo{800, 600, ui::Rect{0, 0, 800, 600}});
  start();
  const ui::Rect r = ui::window_rect(tick());
  EXPECT_EQ(600 - (r.top + r.height), 44);
  EXPECT_EQ(800 - (r.left + r.width), 4);
}

}  // namespace
}  // namespace orvane::testing

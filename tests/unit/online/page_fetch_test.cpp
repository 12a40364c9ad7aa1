// fetch_section over the in-memory web: the outer section, "amp;", failures,
// timeouts with late workers, the size bound and windows closed meanwhile.
#include "online/page_fetch.h"

#include <string>

#include "app/app_fixture.h"

namespace orvane::testing {
namespace {

using online::PageUser;

constexpr const char* kUrl = "http://pages.example/info.htm";

std::string gbk(std::string_view utf8) { return *utf8_to_gbk(utf8); }

class FetchSection : public AppTest {
 protected:
  FetchSection() { online::reset_page_slots(); }
  ~FetchSection() override { online::reset_page_slots(); }

  static std::optional<std::string> fetch(PageUser user = PageUser::MainWindow) {
    return online::fetch_section(ui::Window{}, user, kUrl, gbk("[总开始]"), gbk("[总结束]"));
  }
  static void serve(std::string_view utf8_page) { memory::serve_page(kUrl, gbk(utf8_page)); }
};

TEST_F(FetchSection, OuterSectionOfThePage) {
  struct Case {
    const char* name;
    std::string page, section;
  };
  const Case cases[] = {
      {"plain", "<p>[总开始]ABC[总结束]</p>", "ABC"},
      {"escaped escape", "[总开始]a&amp;amp;b[总结束]", "a&b"},
      {"two outer sections", "[总开始]one[总结束][总开始]two[总结束]", "one"},
      {"end marker before start", "[总结束]x[总开始]abc", ""},
      {"no markers", "<html>nothing</html>", ""},
      {"empty section", "[总开始][总结束]", ""},
      {"zero byte ends the page", std::string("[总开始]A\0B[总结束]", 25), ""},
  };
  for (const Case& c : cases) {
    serve(c.page);
    EXPECT_EQ(fetch(), gbk(c.section)) << c.name;
  }
  memory::serve_page(kUrl, std::nullopt);
  EXPECT_EQ(fetch(), "") << "failed request";
}

TEST_F(FetchSection, AfterATimeoutTheLateWorkerServesTheNextCall) {
  serve("[总开始]first[总结束]");
  memory::hold_workers(true);
  EXPECT_EQ(fetch(), "") << "nothing has finished yet";
  EXPECT_EQ(memory::finish_held_workers(), 1);
  serve("[总开始]second[总结束]");
  EXPECT_EQ(fetch(), "first") << "the page the late worker stored";
  // Each user has its own slot.
  EXPECT_EQ(fetch(PageUser::Calculator), "");
  memory::hold_workers(false);
  EXPECT_EQ(memory::finish_held_workers(), 2);
  EXPECT_EQ(fetch(), "second");
  // A failed request replaces the stored page.
  memory::serve_page(kUrl, std::nullopt);
  EXPECT_EQ(fetch(), "");
  memory::hold_workers(true);
  EXPECT_EQ(fetch(), "");
}

TEST_F(FetchSection, APageBeyondTheBoundIsAFailedRequest) {
  const std::string start = gbk("[总开始]"), end = gbk("[总结束]");
  std::string page = start + "ok" + end;
  page.resize(online::kMaxPageBytes, ' ');
  memory::serve_page(kUrl, page);
  EXPECT_EQ(fetch(), "ok");
  memory::serve_page(kUrl, page + " ");
  EXPECT_EQ(fetch(), "");
}

TEST_F(FetchSection, AWindowClosedDuringTheWaitGetsNothing) {
  start();
  static constexpr ui::ControlDesign kNoControls[1] = {
      {0, "标签", ui::Kind::Label, ui::kNoContainer, 0, 0, 10, 10, "", 0}};
  static const ui::WindowDesign kSmall{"小窗口", "小窗口", 100, 100, 0, kNoControls, {}, {}};
  const ui::Window small = ui::load_window(kSmall);
  serve("[总开始]abc[总结束]");
  memory::during_requests([small] { ui::destroy_window(small); });
  EXPECT_EQ(online::fetch_section(small, PageUser::Calculator, kUrl, gbk("[总开始]"), gbk("[总结束]")),
            std::nullopt);
  // The main window lives on: its handler gets the section.
  EXPECT_EQ(
      online::fetch_section(app::main_window, PageUser::MainWindow, kUrl, gbk("[总开始]"), gbk("[总结束]")),
      "abc");
}

}  // namespace
}  // namespace orvane::testing

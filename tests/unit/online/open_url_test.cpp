// Opening addresses in the default browser: the command line, the registry
// read on every call, the clipboard fallback, and the fixed links.
#include "online/open_url.h"

#include <string>
#include <vector>

#include "app/app_fixture.h"
#include "online/addresses.h"

namespace orvane::testing {
namespace {

constexpr const char* kClients = "SOFTWARE\\Clients\\StartMenuInternet";
constexpr const char* kFirefox = "\"C:\\Program Files\\Mozilla Firefox\\firefox.exe\"";

void register_browser(const std::string& client, const std::string& command, bool as_default = true) {
  if (as_default) memory::set_registry_value(kClients, "", client);
  memory::set_registry_value(std::string(kClients) + "\\" + client + "\\shell\\open\\command", "", command);
}

struct LineCase {
  const char* name;
  std::string url;
  std::optional<std::string> line;  // after the command and its blank
};

class BrowserCommandLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(BrowserCommandLine, OneArgumentOrNothing) {
  const LineCase& c = GetParam();
  const std::optional<std::string> line = online::browser_command_line(kFirefox, c.url);
  if (!c.line) {
    EXPECT_EQ(line, std::nullopt);
    return;
  }
  EXPECT_EQ(line, std::string(kFirefox) + " " + *c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrowserCommandLine,
    ::testing::Values(
        LineCase{"plain", "http://a.example/x?a=1&b=2", "http://a.example/x?a=1&b=2"},
        LineCase{"https_any_case", "HTTPS://a.example/", "HTTPS://a.example/"},
        LineCase{"placeholder_kept", "http://a.example/%1", "http://a.example/%1"},
        LineCase{"non_ascii_kept", "http://a.example/淘宝", "http://a.example/淘宝"},
        // What would add arguments to the browser's command line is encoded.
        LineCase{"blank", "http://a.example/ -new-window file:///c:/",
                 "http://a.example/%20-new-window%20file:///c:/"},
        LineCase{"quote", "http://a.example/\" --disable-web-security \"",
                 "http://a.example/%22%20--disable-web-security%20%22"},
        LineCase{"tab_and_line_breaks", "http://a.example/\t\r\n", "http://a.example/%09%0D%0A"},
        LineCase{"control_and_delete", std::string("http://a.example/\x01\x7F"), "http://a.example/%01%7F"},
        // Only web addresses are started.
        LineCase{"file", "file:///C:/Windows/system32/calc.exe", std::nullopt},
        LineCase{"javascript", "javascript:alert(1)", std::nullopt},
        LineCase{"option", "--remote-debugging-port=9222 http://a.example/", std::nullopt},
        LineCase{"leading_blank", " http://a.example/", std::nullopt}, LineCase{"empty", "", std::nullopt}),
    [](const ::testing::TestParamInfo<LineCase>& case_info) { return std::string(case_info.param.name); });

using OpenUrl = AppTest;

TEST_F(OpenUrl, StartsTheDefaultBrowserWithTheAddress) {
  start();
  register_browser("FIREFOX.EXE", kFirefox);
  online::open_url("http://a.example/");
  EXPECT_EQ(memory::started_processes(),
            std::vector<std::string>{std::string(kFirefox) + " http://a.example/"});
  EXPECT_TRUE(memory::messages().empty());
  // Read afresh on every call.
  register_browser("Chrome", "C:\\chrome.exe --single-argument");
  online::open_url("http://b.example/");
  EXPECT_EQ(memory::started_processes().back(), "C:\\chrome.exe --single-argument http://b.example/");
}

TEST_F(OpenUrl, WithoutADefaultTheInternetExplorerClientServes) {
  start();
  register_browser("IEXPLORE.EXE", "C:\\ie.exe", false);
  online::open_url("http://a.example/");
  EXPECT_EQ(memory::started_processes(), std::vector<std::string>{"C:\\ie.exe http://a.example/"});
}

TEST_F(OpenUrl, FailuresPutTheAddressOnTheClipboardAndSaySo) {
  struct Case {
    const char* name;
    std::function<void()> set_up;
    std::string url;
  };
  const std::vector<Case> cases = {
      {"no browser registered", [] {}, "http://a.example/1"},
      {"client without a command", [] { memory::set_registry_value(kClients, "", "Gone"); },
       "http://a.example/2"},
      {"start fails",
       [] {
         register_browser("FIREFOX.EXE", kFirefox);
         memory::fail_process_starts(true);
       },
       "http://a.example/3"},
      {"not a web address", [] { register_browser("FIREFOX.EXE", kFirefox); }, "file:///C:/evil.exe"},
  };
  for (const Case& c : cases) {
    memory::reset();
    memory::set_executable_path((dir_ / "Orvane.exe").string());
    start();
    c.set_up();
    online::open_url(c.url);
    EXPECT_TRUE(memory::started_processes().empty()) << c.name;
    EXPECT_EQ(memory::clipboard_text(), c.url) << c.name;
    ASSERT_EQ(memory::messages().size(), 1u) << c.name;
    EXPECT_EQ(memory::messages()[0].text, online::kNoBrowserMessage);
    EXPECT_EQ(memory::messages()[0].title, "提示：");
    EXPECT_EQ(memory::message_owners()[0], app::main_window);
  }
}

TEST_F(OpenUrl, MenusAndThePictureBoxOpenTheFixedAddresses) {
  start();
  register_browser("FIREFOX.EXE", "b.exe");
  ASSERT_TRUE(memory::choose_menu_item(app::more_menu(), MainCommand::检查更新));
  ASSERT_TRUE(memory::choose_menu_item(app::more_menu(), MainCommand::淘宝淘实惠));
  ASSERT_TRUE(memory::choose_menu_item(app::tray_menu(), MainCommand::淘宝淘实惠));
  memory::mouse_down(c(图片框1));
  const auto line = [](std::string_view url) { return "b.exe " + std::string(url); };
  EXPECT_EQ(memory::started_processes(),
            (std::vector<std::string>{line(online::update_page_url), line(online::shop_channel_url),
                                      line(online::shop_channel_url), line(online::own_shop_url)}));
}

TEST(FixedAddresses, ShopChannelCarriesTheAffiliateIdentifier) {
  const std::string_view url = online::shop_channel_url;
  EXPECT_NE(url.find("/go/chn/tbk_channel/channelcode.php?pid="), std::string_view::npos);
  EXPECT_NE(url.find(online::kTaobaoAffiliatePid), std::string_view::npos);
  EXPECT_NE(url.find("&eventid="), std::string_view::npos);
  EXPECT_TRUE(std::string_view(online::joyo_search_url).ends_with("&keyword="));
}

}  // namespace
}  // namespace orvane::testing

#include "searchbox/search_box.h"

#include "app_fixture.h"
#include "online/addresses.h"
#include "online/mini_window.h"
#include "searchbox/search_box_placement.h"
#include "tools/marker_page_producer.h"

namespace orvane::testing {
namespace {

using searchbox::SearchBoxCommand;
using enum searchbox::SearchBoxControl;

// The engine pages as the shops' widgets expect them, spelled out here.
const std::string kTaobaoPage = std::string("<script type='text/javascript'>\r\n") + "alimama_pid='" +
                                std::string(online::kTaobaoAffiliatePid) +
                                "';\r\n"
                                "alimama_type='g';\r\n"
                                "alimama_tks={};\r\n"
                                "alimama_tks.style_i=1;\r\n"
                                "alimama_tks.lg_i=0;\r\n"
                                "alimama_tks.w_i=249;\r\n"
                                "alimama_tks.h_i=45;\r\n"
                                "alimama_tks.btn_i=1;\r\n"
                                "alimama_tks.txt_s='';\r\n"
                                "alimama_tks.hot_i=0;\r\n"
                                "alimama_tks.hc_c='#0065FF';\r\n"
                                "alimama_tks.c_i=0;\r\n"
                                "alimama_tks.cid_i=0;\r\n"
                                "</script>\r\n"
                                "<script type='text/javascript' src='http://a.alimama.cn/inf.js'></script>";
const std::string kDangdangPage = std::string("<script type=\"text/javascript\" > <!-- \r\n") +
                                  "dd_ad_output=\"html\";\r\n"
                                  "dd_ad_client=\"" +
                                  std::string(online::kDangdangClientId) +
                                  "\";\r\n"
                                  "dd_ad_format=40;\r\n"
                                  "dd_ad_width=300;\r\n"
                                  "dd_ad_height=40;\r\n"
                                  "dd_open_target=\"_blank\";\r\n"
                                  "//--></script>\r\n"
                                  "<script type=\"text/javascript\" "
                                  "src=\"http://union.dangdang.com/union/script/dd_ads.js\" ></script>";

class SearchBox : public AppTest {
 protected:
  static ui::Window box() { return searchbox::search_box_window(); }
  static ui::Control bc(searchbox::SearchBoxControl id) { return searchbox::box_control(id); }
  static ui::Menu box_menu(searchbox::SearchBoxMenu m) { return ui::menu(box(), m); }
  static bool choose(searchbox::SearchBoxMenu m, SearchBoxCommand cmd) {
    return memory::choose_menu_item(box_menu(m), cmd);
  }
  static bool choose_more(SearchBoxCommand cmd) {
    return choose(searchbox::SearchBoxMenu::主窗口更多菜单, cmd);
  }
  static bool choose_tray(SearchBoxCommand cmd) { return choose(searchbox::SearchBoxMenu::托盘菜单, cmd); }
  std::string ini(const char* key) {
    return sys::ini_read(searchbox::search_box_ini_path, "general", key, "(none)");
  }
  void write_ini(const std::string& body) { write("TaoBaoSearchBox.ini", "[general]\r\n" + body); }
};

TEST_F(SearchBox, OpensAtStartAtTheBottomCentreWithTaobao) {
  start();
  ASSERT_TRUE(ui::window_exists(box()));
  EXPECT_TRUE(ui::is_window_visible(box()));
  EXPECT_EQ(ui::caption(box()), "淘宝搜索框，便捷搜宝入口");
  // 1024×768 with a 30-pixel taskbar at the bottom.
  EXPECT_EQ(ui::window_rect(box()), (ui::Rect{395, 674, 234, 62}));
  EXPECT_EQ(memory::opacity(box()), 204);
  EXPECT_EQ(memory::tray_icon(box()).tip, "Kelu软件之淘宝搜索框 v1.07");
  EXPECT_EQ(memory::tray_icon(box()).icon, ui::Icon::SearchBox);
  EXPECT_TRUE(memory::tray_icon(app::main_window).present) << "the board keeps its own icon";
  EXPECT_EQ(ui::period(ui::timer(box(), searchbox::SearchBoxTimer::时钟_总在最前)), 1000);
  EXPECT_EQ(read("tb_temp.htm"), kTaobaoPage);
  EXPECT_EQ(memory::shown_file(bc(超文本浏览框)), searchbox::taobao_page_path);
  EXPECT_EQ(ui::text(bc(标签_拖动柄)), " TaoBao");
  EXPECT_EQ(memory::background(box()), (ui::Colour{192, 96, 0}));
  // The hint points at the upper middle of "≡" (left 202 once "×" is at 218).
  bool hinted = false;
  for (const auto& b : memory::balloons())
    if (b.window == box()) hinted = b.at == ui::Point{395 + 202 + 7, 674} && b.text == "单击此处可更换搜索框";
  EXPECT_TRUE(hinted);
}

TEST_F(SearchBox, EnginesSizeTheWindowAndKeepItsCorner) {
  start();
  struct Step {
    SearchBoxCommand engine;
    ui::Rect window;
    int close_left, view_width;
    const char* caption;
  };
  const Step steps[] = {{SearchBoxCommand::当当, {395, 674, 214, 62}, 198, 600, " DangDang"},
                        {SearchBoxCommand::淘宝, {395, 674, 234, 62}, 218, 600, " TaoBao"},
                        {SearchBoxCommand::卓越, {395, 674, 230, 59}, 214, 600, " ZhuoYue"},
                        {SearchBoxCommand::淘宝, {395, 674, 234, 62}, 218, 600, " TaoBao"}};
  for (const Step& s : steps) {
    ASSERT_TRUE(choose_more(s.engine));
    EXPECT_EQ(ui::window_rect(box()), s.window) << s.caption;
    EXPECT_EQ(ui::rect(bc(标签_关闭按钮)).left, s.close_left) << s.caption;
    EXPECT_EQ(ui::rect(bc(标签_更多按钮)).left, s.close_left - 16) << s.caption;
    EXPECT_EQ(ui::rect(bc(超文本浏览框)).width, s.view_width) << "Dangdang's width stays: " << s.caption;
    EXPECT_EQ(ui::text(bc(标签_拖动柄)), s.caption);
  }
  EXPECT_EQ(read("dd_temp.htm"), kDangdangPage);
  EXPECT_EQ(ui::rect(bc(外形框_淘当)), (ui::Rect{2, 13, 230, 47}));
  ASSERT_TRUE(choose_more(SearchBoxCommand::当当));
  EXPECT_EQ(memory::background(bc(标签_关闭按钮)), (ui::Colour{0, 96, 192}));
  EXPECT_EQ(ui::rect(bc(外形框_淘当)), (ui::Rect{2, 13, 210, 47}));
  EXPECT_EQ(ui::rect(bc(超文本浏览框)).left, -93);
}

TEST_F(SearchBox, JoyoSearchAppendsTheKeywordUnchanged) {
  start();
  ui::set_text(bc(编辑框_卓越), "old");
  ASSERT_TRUE(choose_more(SearchBoxCommand::卓越));
  EXPECT_EQ(ui::text(bc(编辑框_卓越)), "");
  EXPECT_TRUE(ui::has_focus(bc(编辑框_卓越)));
  EXPECT_TRUE(ui::is_visible(bc(外形框_卓越)));
  EXPECT_FALSE(ui::is_visible(bc(外形框_淘当)));
  const std::string base(online::joyo_search_url);
  memory::mouse_down(bc(图片框_卓越开始));
  ui::set_text(bc(编辑框_卓越), "a&b c");
  memory::mouse_down(bc(图片框_卓越开始));
  ASSERT_EQ(memory::shell_opened().size(), 2u);
  EXPECT_EQ(memory::shell_opened()[0], base + "&Submit.x=29&Submit.y=10&Submit=Go");
  EXPECT_EQ(memory::shell_opened()[1], base + "a&b c&Submit.x=29&Submit.y=10&Submit=Go");
  EXPECT_EQ(base.substr(base.find("searchbox.html")),
            "searchbox.html?tag=" ORVANE_JOYO_TAG "&creative=2028&adid=" ORVANE_JOYO_AD_ID
            "&campaign=408&mode=blended&keyword=");
}

TEST_F(SearchBox, PlacementItemsOnA1024By768Screen) {
  start();
  const std::pair<SearchBoxCommand, ui::Point> moves[] = {{SearchBoxCommand::右下, {786, 672}},
                                                          {SearchBoxCommand::居中, {395, 353}},
                                                          {SearchBoxCommand::中下, {395, 674}}};
  for (const auto& [item, at] : moves) {
    ASSERT_TRUE(choose_more(item));
    const ui::Rect r = ui::window_rect(box());
    EXPECT_EQ((ui::Point{r.left, r.top}), at);
    EXPECT_EQ(r.width, 234);
  }
  EXPECT_FALSE(exists("TaoBaoSearchBox.ini")) << "moving writes nothing";
}

TEST_F(SearchBox, TopTaskbarCountsAsFortyPixels) {
  memory::set_screen(ui::ScreenInfo{1024, 768, ui::Rect{0, 30, 1024, 738}});
  start();
  EXPECT_EQ(ui::window_rect(box()).top, 664);
}

TEST_F(SearchBox, CloseHidesAndSavesTheFourKeysInOrder) {
  start();
  memory::mouse_down(bc(标签_关闭按钮));
  EXPECT_FALSE(ui::is_window_visible(box()));
  EXPECT_TRUE(memory::tray_icon(box()).present);
  EXPECT_EQ(read("TaoBaoSearchBox.ini"),
            "[general]\r\ntrans=20\r\nposition_left=395\r\nposition_top=674\r\nbox=taobao\r\n");

  // Hidden, the menu item leaves it hidden; its tray icon's left click shows it.
  ASSERT_TRUE(memory::choose_menu_item(app::more_menu(), MainCommand::淘宝搜索框));
  EXPECT_FALSE(ui::is_window_visible(box()));
  memory::tray_icon_event(box(), ui::TrayAction::RightUp);
  EXPECT_EQ(memory::popped_up_menu(), box_menu(searchbox::SearchBoxMenu::托盘菜单));
  EXPECT_FALSE(ui::is_window_visible(box()));
  memory::tray_icon_event(box(), ui::TrayAction::LeftUp);
  EXPECT_TRUE(ui::is_window_visible(box()));
}

struct Stored {
  const char* what;
  const char* ini;
  ui::Rect window;
  int alpha;
  const char* saved;  // the file after "×"
};

class StoredSettings : public SearchBox, public ::testing::WithParamInterface<Stored> {};

TEST_P(StoredSettings, AreReadLimitedAndSavedBack) {
  write_ini(GetParam().ini);
  start();
  EXPECT_EQ(ui::window_rect(box()), GetParam().window);
  EXPECT_EQ(memory::opacity(box()), GetParam().alpha);
  memory::mouse_down(bc(标签_关闭按钮));
  EXPECT_EQ(read("TaoBaoSearchBox.ini"), std::string("[general]\r\n") + GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(
    Files, StoredSettings,
    ::testing::Values(Stored{"PastTheRightEdge",
                             "position_left=5000\r\n",
                             {788, 674, 234, 62},
                             204,
                             "position_left=788\r\ntrans=20\r\nposition_top=674\r\nbox=taobao\r\n"},
                      Stored{"OffTheTopLeftStays",
                             "position_left=-50\r\nposition_top=-9\r\ntrans=35\r\n",
                             {-50, -9, 234, 62},
                             165,
                             "position_left=-50\r\nposition_top=-9\r\ntrans=35\r\nbox=taobao\r\n"},
                      Stored{"BelowTheBottomLimit",
                             "position_top=900\r\nbox=dangdang\r\n",
                             {405, 674, 214, 62},
                             204,
                             "position_top=674\r\nbox=dangdang\r\ntrans=20\r\nposition_left=405\r\n"},
                      Stored{"TransparencyAbove100IsOpaqueAndKept",
                             "trans=150\r\n",
                             {395, 674, 234, 62},
                             255,
                             "trans=150\r\nposition_left=395\r\nposition_top=674\r\nbox=taobao\r\n"},
                      Stored{"NegativeTransparencyIsOpaque",
                             "trans=-5\r\n",
                             {395, 674, 234, 62},
                             255,
                             "trans=-5\r\nposition_left=395\r\nposition_top=674\r\nbox=taobao\r\n"},
                      Stored{"FullyTransparent",
                             "trans=100\r\n",
                             {395, 674, 234, 62},
                             0,
                             "trans=100\r\nposition_left=395\r\nposition_top=674\r\nbox=taobao\r\n"},
                      Stored{"NotANumberReadsAsZero",
                             "trans=abc\r\nposition_left=x\r\n",
                             {0, 674, 234, 62},
                             255,
                             "trans=0\r\nposition_left=0\r\nposition_top=674\r\nbox=taobao\r\n"},
                      // An unknown engine applies nothing: the designed 230×392 stays, and
                      // the key goes back as it was.
                      Stored{"UnknownEngineIsKept",
                             "box=TaoBao\r\n",
                             {397, 344, 230, 392},
                             204,
                             "box=TaoBao\r\ntrans=20\r\nposition_left=397\r\nposition_top=344\r\n"}),
    [](const auto& case_info) { return std::string(case_info.param.what); });

TEST_F(SearchBox, TransparencyItems) {
  start();
  const std::pair<SearchBoxCommand, int> items[] = {{SearchBoxCommand::不透明, 255},
                                                    {SearchBoxCommand::透明40, 153},
                                                    {SearchBoxCommand::透明60, 102},
                                                    {SearchBoxCommand::透明80, 51},
                                                    {SearchBoxCommand::透明20, 204}};
  for (const auto& [item, alpha] : items) {
    ASSERT_TRUE(choose_more(item));
    EXPECT_EQ(memory::opacity(box()), alpha);
  }
  EXPECT_EQ(searchbox::alpha_for_transparency(35), 165);
  EXPECT_EQ(searchbox::alpha_for_transparency(-2147483647 - 1), 255) << "no overflow";
}

TEST_F(SearchBox, AlwaysOnTopPausesWhileItsMenuIsOpen) {
  start();
  const ui::Timer timer = ui::timer(box(), searchbox::SearchBoxTimer::时钟_总在最前);
  ui::set_topmost(box(), false);
  ASSERT_TRUE(memory::fire(timer));
  EXPECT_TRUE(memory::is_topmost(box()));
  memory::mouse_down(bc(标签_更多按钮));  // the menu pops up and closes in the test
  EXPECT_EQ(memory::popped_up_menu(), box_menu(searchbox::SearchBoxMenu::主窗口更多菜单));
  EXPECT_FALSE(memory::is_topmost(box()));
  EXPECT_EQ(ui::period(timer), 1000);
  memory::mouse_down(bc(标签_关闭按钮));
  ASSERT_TRUE(memory::fire(timer));
  EXPECT_FALSE(memory::is_topmost(box())) << "a hidden window is left alone";
}

struct MenuPage {
  const char* what;
  std::vector<tools::Section> sections;
  bool shown;
};

class OnlineMenuItem : public SearchBox, public ::testing::WithParamInterface<MenuPage> {};

TEST_P(OnlineMenuItem, ShowsOnlyWithTitleAndLink) {
  memory::serve_page(std::string(online::search_box_page_url),
                     tools::make_marker_page(tools::PageKind::SearchBox, GetParam().sections));
  start();
  const ui::Menu tray = box_menu(searchbox::SearchBoxMenu::托盘菜单);
  if (GetParam().shown)
    EXPECT_EQ(memory::menu_outline(tray), "显示主窗口|-|淘宝淘实惠|-|特别推荐|-|检查更新|-|好物推荐|-|退出");
  else
    EXPECT_EQ(memory::menu_outline(tray), "显示主窗口|-|淘宝淘实惠|-|特别推荐|-|检查更新|-|退出");
}

INSTANTIATE_TEST_SUITE_P(
    Pages, OnlineMenuItem,
    ::testing::Values(
        MenuPage{"TitleAndLink", {{"菜单标题", "好物推荐"}, {"菜单链接", "http://ad.example/m"}}, true},
        MenuPage{"TitleOnly", {{"菜单标题", "好物推荐"}}, false},
        MenuPage{"LinkOnly", {{"菜单链接", "http://ad.example/m"}}, false}, MenuPage{"NoPage", {}, false}),
    [](const auto& case_info) { return std::string(case_info.param.what); });

TEST_F(SearchBox, ExitFromItsTrayMenuDeletesThePagesAndLeavesTheBoard) {
  start();
  ASSERT_TRUE(choose_more(SearchBoxCommand::当当));
  ASSERT_TRUE(exists("tb_temp.htm"));
  ASSERT_TRUE(exists("dd_temp.htm"));
  const ui::Window first = box();
  ASSERT_TRUE(choose_tray(SearchBoxCommand::退出));
  EXPECT_FALSE(ui::window_exists(first));
  EXPECT_FALSE(exists("tb_temp.htm"));
  EXPECT_FALSE(exists("dd_temp.htm"));
  EXPECT_EQ(ini("box"), "dangdang");
  EXPECT_TRUE(memory::tray_icon(app::main_window).present);
  EXPECT_TRUE(ui::is_window_visible(app::main_window));

  // Opened again: the file decides.
  ASSERT_TRUE(memory::choose_menu_item(app::tray_menu(), MainCommand::淘宝搜索框));
  EXPECT_EQ(ui::window_rect(box()).width, 214);
}

TEST_F(SearchBox, SpecialOfferOpensItsOwnMiniWindow) {
  start();
  ASSERT_TRUE(choose_tray(SearchBoxCommand::特别推荐));
  EXPECT_TRUE(ui::window_exists(online::mini_window(online::MiniInstance::B)));
  EXPECT_FALSE(ui::window_exists(online::mini_window(online::MiniInstance::A)));
}

TEST_F(SearchBox, ProgramExitFinishesTheSearchBox) {
  start();
  ASSERT_TRUE(choose_more(SearchBoxCommand::居中));
  ASSERT_TRUE(memory::choose_menu_item(app::tray_menu(), MainCommand::退出));
  EXPECT_EQ(ini("position_top"), "353");
  EXPECT_FALSE(exists("tb_temp.htm"));
  EXPECT_FALSE(memory::tray_icon(box()).present);
}

}  // namespace
}  // namespace orvane::testing

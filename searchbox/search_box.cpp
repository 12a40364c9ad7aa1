#include "searchbox/search_box.h"

#include "app/main_window.h"
#include "core/text_codec.h"
#include "online/addresses.h"
#include "online/marker_page.h"
#include "online/mini_window.h"
#include "online/open_url.h"
#include "online/page_fetch.h"
#include "platform/system.h"
#include "searchbox/search_box_placement.h"

namespace orvane::searchbox {

std::string search_box_engine, taobao_page_path, dangdang_page_path, search_box_menu_link;

namespace {

using enum SearchBoxControl;
using Command = SearchBoxCommand;

ui::Window g_window;

constexpr int kAlwaysOnTopPeriod = 1000;

ui::Timer always_on_top_timer() { return ui::timer(g_window, SearchBoxTimer::时钟_总在最前); }
ui::Menu tray_menu() { return ui::menu(g_window, SearchBoxMenu::托盘菜单); }

std::string gbk(std::string_view utf8) { return utf8_to_gbk(utf8).value_or(std::string()); }

void colour_title(ui::Colour c) {
  ui::set_background(g_window, c);
  for (SearchBoxControl label : {标签_拖动柄, 标签_更多按钮, 标签_关闭按钮})
    ui::set_background(box_control(label), c);
}

// "×" and "≡" stay at the window's right edge.
void place_title_buttons() {
  const int width = ui::window_rect(g_window).width;
  ui::Rect close = ui::rect(box_control(标签_关闭按钮));
  close.left = width - close.width - 2;
  ui::set_rect(box_control(标签_关闭按钮), close);
  ui::Rect more = ui::rect(box_control(标签_更多按钮));
  more.left = close.left - more.width - 2;
  ui::set_rect(box_control(标签_更多按钮), more);
}

void resize_window(int width, int height) {
  ui::Rect r = ui::window_rect(g_window);
  r.width = width;
  r.height = height;
  ui::set_window_rect(g_window, r);
}

void apply_shop_engine(Engine e) {
  const bool taobao = e == Engine::Taobao;
  const std::string& page_path = taobao ? taobao_page_path : dangdang_page_path;
  // A page that cannot be written leaves the view with what the file held.
  sys::write_file(page_path, taobao ? taobao_engine_page() : dangdang_engine_page());
  const ui::Control view = box_control(超文本浏览框);
  ui::navigate(view, page_path);
  ui::Rect v = ui::rect(view);
  v.left = taobao ? -12 : -93;
  v.top = -14;
  if (!taobao) v.width = 600;
  ui::set_rect(view, v);
  ui::set_text(box_control(标签_拖动柄), look_of(e).caption);
  colour_title(look_of(e).colour);
  const ui::Control frame = box_control(外形框_淘当);
  const ui::Rect f = taobao ? ui::Rect{2, 13, 230, 47} : ui::Rect{12, 13, 210, 47};
  ui::set_rect(frame, f);
  ui::set_visible(box_control(外形框_卓越), false);
  ui::set_visible(view, true);
  ui::set_visible(frame, true);
  search_box_engine = look_of(e).key;
  resize_window(f.width + 4, f.top + f.height + 2);
  ui::set_rect(frame, ui::Rect{2, f.top, f.width, f.height});
  place_title_buttons();
}

void apply_joyo() {
  ui::set_visible(box_control(超文本浏览框), false);
  ui::set_visible(box_control(外形框_淘当), false);
  ui::set_text(box_control(标签_拖动柄), look_of(Engine::Joyo).caption);
  colour_title(look_of(Engine::Joyo).colour);
  const ui::Control joyo = box_control(外形框_卓越);
  ui::set_visible(joyo, true);
  ui::Rect j = ui::rect(joyo);
  j.left = 2;
  j.top = 16;
  ui::set_rect(joyo, j);
  resize_window(j.width + 4, j.top + j.height + 2);
  search_box_engine = look_of(Engine::Joyo).key;
  place_title_buttons();
  ui::set_text(box_control(编辑框_卓越), "");
  ui::set_focus(box_control(编辑框_卓越));
}

void search_joyo() { sys::shell_open(joyo_search_address(ui::text(box_control(编辑框_卓越)))); }

void paint_start_picture(ui::Canvas& canvas) {
  const ui::Rect all{0, 0, canvas.width(), canvas.height()};
  canvas.fill(all, look_of(Engine::Joyo).colour);
  canvas.text(all, "搜索", ui::Colour{255, 255, 255}, 9, true, ui::Align::Centre);
}

void pop_up_more_menu() {
  ui::set_period(always_on_top_timer(), 0);
  ui::set_topmost(g_window, false);
  ui::pop_up_menu(ui::menu(g_window, SearchBoxMenu::主窗口更多菜单), ui::cursor_position());
  // The menu has closed; the window may have been closed from it.
  if (ui::window_exists(g_window)) ui::set_period(always_on_top_timer(), kAlwaysOnTopPeriod);
}

void on_tray_action(ui::TrayAction a) {
  if (a == ui::TrayAction::LeftUp)
    show_search_box();
  else
    ui::pop_up_menu(tray_menu(), ui::cursor_position());
}

void hide_search_box() {
  ui::show_window(g_window, false);
  save_search_box_settings();
}

// The tray menu item "菜单" with its title and link from the information page.
void fetch_menu_item(ui::Window w) {
  const std::optional<std::string> section =
      online::fetch_section(w, online::PageUser::SearchBox, online::search_box_page_url,
                            gbk("[联机信息开始]"), gbk("[联机信息结束]"));
  if (!section || !ui::window_exists(w)) return;  // closed during the wait
  const std::string plain = online::decrypt_section(*section);
  const std::string title =
      gbk_to_utf8(online::extract_between(plain, gbk("[菜单标题开始]"), gbk("[菜单标题结束]")));
  search_box_menu_link =
      gbk_to_utf8(online::extract_between(plain, gbk("[菜单链接开始]"), gbk("[菜单链接结束]")));
  const bool shown = !title.empty() && !search_box_menu_link.empty();
  if (shown) ui::set_menu_text(tray_menu(), Command::菜单, title);
  ui::show_menu_item_with_separator(tray_menu(), Command::菜单, shown);
}

void connect(ui::Window w) {
  ui::on_tray_action(w, on_tray_action);
  ui::on_command(w, Command::显示主窗口, show_search_box);
  ui::on_command(w, Command::淘宝淘实惠, [] { online::open_url(online::shop_channel_url); });
  ui::on_command(w, Command::特别推荐, [] { online::open_mini_window(online::MiniInstance::B); });
  ui::on_command(w, Command::检查更新, [] { online::open_url(online::update_page_url); });
  ui::on_command(w, Command::菜单, [] { online::open_url(search_box_menu_link); });
  ui::on_command(w, Command::退出, close_search_box);
  ui::on_command(w, Command::淘宝, [] { apply_engine(Engine::Taobao); });
  ui::on_command(w, Command::当当, [] { apply_engine(Engine::Dangdang); });
  ui::on_command(w, Command::卓越, [] { apply_engine(Engine::Joyo); });
  ui::on_command(w, Command::右下, [] { place_search_box_at(Placement::BottomRight); });
  ui::on_command(w, Command::居中, [] { place_search_box_at(Placement::Centre); });
  ui::on_command(w, Command::中下, [] { place_search_box_at(Placement::BottomCentre); });
  ui::on_command(w, Command::不透明, [] { set_search_box_transparency(0); });
  ui::on_command(w, Command::透明20, [] { set_search_box_transparency(20); });
  ui::on_command(w, Command::透明40, [] { set_search_box_transparency(40); });
  ui::on_command(w, Command::透明60, [] { set_search_box_transparency(60); });
  ui::on_command(w, Command::透明80, [] { set_search_box_transparency(80); });
  ui::on_mouse_down(ui::control(w, 标签_更多按钮), pop_up_more_menu);
  ui::on_mouse_down(ui::control(w, 标签_关闭按钮), hide_search_box);
  ui::on_mouse_down(ui::control(w, 标签_拖动柄), [w] { ui::begin_window_drag(w); });
  ui::on_mouse_down(ui::control(w, 图片框_卓越开始), search_joyo);
  ui::on_paint(ui::control(w, 图片框_卓越开始), paint_start_picture);
  ui::on_tick(ui::timer(w, SearchBoxTimer::时钟_总在最前), on_always_on_top_tick);
}

void set_up(ui::Window w) {
  const std::string dir = sys::directory_of(sys::executable_path());
  search_box_ini_path = dir + "\\TaoBaoSearchBox.ini";
  taobao_page_path = dir + "\\tb_temp.htm";
  dangdang_page_path = dir + "\\dd_temp.htm";
  search_box_engine = sys::file_exists(search_box_ini_path)
                          ? sys::ini_read(search_box_ini_path, "general", "box", "taobao")
                          : std::string("taobao");
  // An unknown key applies nothing and is saved back as it stands.
  if (const auto e = engine_of_key(search_box_engine)) apply_engine(*e);
  place_search_box();
  set_search_box_transparency(search_box_transparency);
  ui::add_tray_icon(w, ui::Icon::SearchBox, kSearchBoxTip);
  ui::set_period(always_on_top_timer(), kAlwaysOnTopPeriod);
  const ui::Rect box = ui::window_rect(w), more = ui::rect(ui::control(w, 标签_更多按钮));
  ui::show_balloon(w, ui::Point{box.left + more.left + more.width / 2, box.top + more.top}, kEngineHint);
  fetch_menu_item(w);
}

}  // namespace

ui::Window search_box_window() { return g_window; }

std::string joyo_search_address(std::string_view keyword) {
  return std::string(online::joyo_search_url) + std::string(keyword) + "&Submit.x=29&Submit.y=10&Submit=Go";
}

void apply_engine(Engine e) {
  if (e == Engine::Joyo)
    apply_joyo();
  else
    apply_shop_engine(e);
}

void show_search_box() {
  ui::show_window(g_window, true);
  ui::bring_to_front(g_window);
}

void open_search_box() {
  if (ui::find_top_level_window(kSearchBoxCaption)) return;
  g_window = ui::load_window(kSearchBoxDesign);
  connect(g_window);
  set_up(g_window);
  if (ui::window_exists(g_window)) show_search_box();
}

void finish_search_box() {
  ui::remove_tray_icon(g_window);
  save_search_box_settings();
}

void close_search_box() {
  finish_search_box();
  ui::destroy_window(g_window);
  // The pages go with the window; a file that cannot be deleted stays.
  sys::delete_file(taobao_page_path);
  sys::delete_file(dangdang_page_path);
}

void connect_search_box_openers() {
  ui::on_command(app::main_window, app::MainCommand::淘宝搜索框, open_search_box);
}

}  // namespace orvane::searchbox

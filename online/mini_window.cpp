#include "online/mini_window.h"

#include <memory>
#include <optional>

#include "app/main_window.h"
#include "core/text_codec.h"
#include "online/addresses.h"
#include "online/marker_page.h"
#include "online/mini_window_design.h"
#include "online/open_url.h"
#include "online/page_fetch.h"
#include "platform/system.h"

namespace orvane::online {

const std::string_view kDefaultStylesheet =
    "<!--\r\n"
    "a:link {  font-family: \"Verdana\", \"Arial\", \"Helvetica\", \"sans-serif\"; font-size: 12pt; "
    "font-style: "
    "normal; line-height: normal; font-weight: normal; font-variant: normal; text-transform: none; color: "
    "#3333FF; "
    "text-decoration: none}\r\n"
    "a:visited {  font-family: \"Verdana\", \"Arial\", \"Helvetica\", \"sans-serif\"; font-size: 12pt; "
    "font-style: "
    "normal; line-height: normal; font-weight: normal; font-variant: normal; text-transform: none; color: "
    "#3333FF; "
    "text-decoration: none}\r\n"
    "a:hover {  font-family: \"Verdana\", \"Arial\", \"Helvetica\", \"sans-serif\"; font-size: 12pt; "
    "font-style: "
    "normal; line-height: normal; font-weight: normal; font-variant: normal; text-transform: none; color: "
    "#FF0000; "
    "text-decoration: none}\r\n"
    "a:active {  font-family: \"Verdana\", \"Arial\", \"Helvetica\", \"sans-serif\"; font-size: 12pt; "
    "font-style: "
    "normal; line-height: normal; font-weight: normal; font-variant: normal; text-transform: none; color: "
    "#3333FF; "
    "text-decoration: none}\r\n"
    "-->";

namespace {

std::string g_folder[2];
ui::Window g_window[2];

std::string gbk(std::string_view utf8) { return utf8_to_gbk(utf8).value_or(std::string()); }

std::string escape_ampersands(std::string_view text) {
  std::string out;
  for (const char c : text) out += c == '&' ? std::string("&amp;") : std::string(1, c);
  return out;
}

ui::Control mini_control(ui::Window w, MiniControl c) { return ui::control(w, c); }

// The folder "ad" beside the executable, or the run directory itself when
// "ad" is a file or cannot be made.
std::string choose_folder() {
  const std::string run_dir = sys::directory_of(sys::executable_path());
  const std::string ad = run_dir + "\\ad";
  if (!sys::file_exists(ad) && sys::create_folder(ad)) return ad + "\\";
  return run_dir + "\\";
}

// The stylesheet's body: only web addresses are read, on a worker, with the
// fetch's wait and size bound; anything else gives the empty text.
std::string read_stylesheet(const std::string& url) {
  if (!is_web_address(url)) return {};
  auto body = std::make_shared<std::string>();
  const bool done = sys::run_worker(
      [body, url] { *body = sys::http_get(url, kMaxPageBytes).value_or(std::string()); }, kFetchWaitMs);
  return done ? *body : std::string();
}

// The creation steps: the page, the two files, the view and the place.
void fill(ui::Window w, MiniInstance instance) {
  const ui::Rect outer = ui::rect(mini_control(w, MiniControl::外形框_最外));
  ui::Rect frame = ui::window_rect(w);
  ui::set_window_rect(w, ui::Rect{frame.left, frame.top, outer.width, outer.height});

  const PageUser user = instance == MiniInstance::A ? PageUser::MiniWindowA : PageUser::MiniWindowB;
  const std::optional<std::string> section =
      fetch_section(w, user, mini_page_url, gbk("[联机信息开始]"), gbk("[联机信息结束]"));
  if (!section) return;
  ui::process_pending_events();
  if (!ui::window_exists(w)) return;

  const std::string folder = choose_folder();
  g_folder[static_cast<int>(instance)] = folder;
  const std::string css_url =
      gbk_to_utf8(extract_between(*section, gbk("[css网址开始]"), gbk("[css网址结束]")));
  sys::write_file(folder + "css.css",
                  css_url.empty() ? std::string(kDefaultStylesheet) : read_stylesheet(css_url));
  if (!ui::window_exists(w)) return;
  const std::string html = extract_between(*section, gbk("[子夹1html内容开始]"), gbk("[子夹1html内容结束]"));
  sys::write_file(folder + "miniweb1.html",
                  html.empty() ? gbk(default_mini_page()) : std::string(kMiniHeadLine) + html);

  const ui::Control view = mini_control(w, MiniControl::超文本浏览框_1);
  ui::navigate(view, folder + "miniweb1.html");
  const ui::Rect inner = ui::rect(mini_control(w, MiniControl::外形框_里层));
  ui::set_rect(view, ui::Rect{-10, -16, inner.width + 100, inner.height + 100});
  place_at_screen_corner(w);
}

}  // namespace

std::string default_mini_page() {
  const std::string link = escape_ampersands(shop_channel_url);
  return "<html>\r\n"
         "<head>\r\n"
         "<title>无标题文档</title>\r\n"
         "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n"
         "</head>\r\n"
         "\r\n"
         "<body bgcolor=\"#FFFFFF\">\r\n"
         "<table width=\"295\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\">\r\n"
         "  <tr>\r\n"
         "    <td>&nbsp;</td>\r\n"
         "  </tr>\r\n"
         "  <tr>\r\n"
         "    <td>\r\n"
         "      <div align=\"center\"><font size=\"3\"><a href=\"" +
         link +
         "\" target=\"_blank\">淘宝网，淘实惠！</a></font></div>\r\n"
         "    </td>\r\n"
         "  </tr>\r\n"
         "  <tr>\r\n"
         "    <td>&nbsp;</td>\r\n"
         "  </tr>\r\n"
         "</table>\r\n"
         "</body>\r\n"
         "</html>\r\n";
}

ui::Window mini_window(MiniInstance instance) { return g_window[static_cast<int>(instance)]; }

std::string mini_folder_path(MiniInstance instance) { return g_folder[static_cast<int>(instance)]; }

void place_at_screen_corner(ui::Window w) {
  if (!ui::window_exists(w)) return;
  const ui::ScreenInfo s = ui::screen();
  const ui::Rect r = ui::window_rect(w);
  ui::set_window_rect(
      w, ui::Rect{s.width - r.width - 4, s.height - r.height - app::bottom_gap() - 4, r.width, r.height});
}

void open_mini_window(MiniInstance instance) {
  if (ui::find_top_level_window(kMiniCaption)) return;
  const ui::Window w = ui::load_window(kMiniWindowDesign);
  g_window[static_cast<int>(instance)] = w;
  ui::on_mouse_down(mini_control(w, MiniControl::标签_1), [w] { ui::destroy_window(w); });
  ui::on_mouse_down(mini_control(w, MiniControl::标签1), [w] { ui::begin_window_drag(w); });
  // Links that open a new window go to the default browser.
  ui::on_new_window(mini_control(w, MiniControl::超文本浏览框_1),
                    [](std::string_view url) { open_url(url); });
  fill(w, instance);
  if (ui::window_exists(w)) ui::show_window(w, true);
}

}  // namespace orvane::online

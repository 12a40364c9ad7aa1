#include "online/promotion_labels.h"

#include <cmath>
#include <optional>

#include "app/main_window.h"
#include "core/text_codec.h"
#include "online/addresses.h"
#include "online/marker_page.h"
#include "online/mini_window.h"
#include "online/open_url.h"
#include "online/page_fetch.h"
#include "platform/system.h"

namespace orvane::online {

std::string bottom_ad_link, settings_ad_link, second_ad_link, calendar_ad_link, calculator_ad_link;

namespace {

using app::MainControl;
using app::MainTimer;

std::optional<ui::Control> g_calendar_label;

// Markers are GBK on the pages.
std::string gbk(std::string_view utf8) { return utf8_to_gbk(utf8).value_or(std::string()); }

// The section of the plain text as program text.
std::string section_of(std::string_view plain, std::string_view start, std::string_view end) {
  return gbk_to_utf8(extract_between(plain, gbk(start), gbk(end)));
}

std::string or_default(std::string text, std::string_view fallback) {
  return text.empty() ? std::string(fallback) : text;
}

std::string plain_of_page(ui::Window caller, PageUser user, std::string_view url, std::string_view start,
                          std::string_view end, bool* closed) {
  const std::optional<std::string> section = fetch_section(caller, user, url, gbk(start), gbk(end));
  *closed = !section;
  return section ? decrypt_section(*section) : std::string();
}

int random_minutes(int low, int high) {
  sys::seed_random(sys::tick_count());
  return sys::random_int(low, high) * 60000;
}

}  // namespace

std::string& link_of(AdLabel label) {
  switch (label) {
    case AdLabel::Bottom:
      return bottom_ad_link;
    case AdLabel::Settings:
      return settings_ad_link;
    case AdLabel::Second:
      return second_ad_link;
    case AdLabel::Calendar:
      return calendar_ad_link;
    case AdLabel::Calculator:
      break;
  }
  return calculator_ad_link;
}

std::string_view creation_caption(AdLabel label) {
  return label == AdLabel::Second ? std::string_view(" 淘宝淘实惠") : kDefaultAdText;
}

void on_label_pressed(AdLabel which, ui::Control label) {
  const std::string& link = link_of(which);
  const bool untouched = ui::text(label) == creation_caption(which);
  open_url(untouched || link.empty() ? std::string(shop_channel_url) : std::string(link));
}

void connect_promotion_label(AdLabel which, ui::Control label) {
  if (which == AdLabel::Calendar) g_calendar_label = label;
  ui::on_mouse_down(label, [which, label] { on_label_pressed(which, label); });
}

void connect_calculator_online(ui::Control ad_label, ui::Timer online_timer) {
  connect_promotion_label(AdLabel::Calculator, ad_label);
  ui::on_tick(online_timer, [ad_label, online_timer] {
    ui::set_period(online_timer, 0);
    bool closed = false;
    const std::string plain = plain_of_page(ui::Window{ad_label.window}, PageUser::Calculator,
                                            calculator_page_url, "[联机信息开始]", "[联机信息结束]", &closed);
    if (closed) return;
    ui::set_text(ad_label, or_default(section_of(plain, "[广告文本开始]", "[广告文本结束]"), kDefaultAdText));
    calculator_ad_link = or_default(section_of(plain, "[广告链接开始]", "[广告链接结束]"), shop_channel_url);
  });
}

void on_online_tick() {
  // Re-armed first: a slow fetch does not make it fire again.
  ui::set_period(app::main_timer(MainTimer::时钟_联机), random_minutes(5, 8));
  bool closed = false;
  const std::string plain =
      plain_of_page(app::main_window, PageUser::MainWindow, info_page_url, "[总开始]", "[总结束]", &closed);
  if (closed) return;
  const ui::Control bottom = app::main_control(MainControl::窗口假下);
  if (plain.empty()) {
    ui::set_text(bottom, kDefaultAdText);
    bottom_ad_link = shop_channel_url;
    return;
  }
  ui::set_text(bottom, or_default(section_of(plain, "[文本开始]", "[文本结束]"), kDefaultAdText));
  bottom_ad_link = or_default(section_of(plain, "[链接开始]", "[链接结束]"), shop_channel_url);
  const std::string settings_text =
      or_default(section_of(plain, "[设置中广告文本开始]", "[设置中广告文本结束]"), kDefaultAdText);
  ui::set_text(app::main_control(MainControl::标签_设置下广告), settings_text);
  ui::set_text(app::main_control(MainControl::标签_二广告), " " + settings_text);
  settings_ad_link =
      or_default(section_of(plain, "[设置中广告链接开始]", "[设置中广告链接结束]"), shop_channel_url);
  second_ad_link = settings_ad_link;
  const std::string calendar_text =
      or_default(section_of(plain, "[万年历中广告文本开始]", "[万年历中广告文本结束]"), kDefaultAdText);
  if (g_calendar_label) ui::set_text(*g_calendar_label, calendar_text);
  calendar_ad_link =
      or_default(section_of(plain, "[万年历中广告链接开始]", "[万年历中广告链接结束]"), shop_channel_url);
}

void on_start_hint_tick() {
  ui::set_period(app::main_timer(MainTimer::时钟_启动后稍候弹出提示), 0);
  const ui::Rect window = ui::window_rect(app::main_window);
  const ui::Rect more = ui::rect(app::main_control(MainControl::窗口更多按钮));
  const double x = window.left + more.left + more.width / 2.0;
  const double y = window.top + more.top + more.height / 2.0;
  ui::show_balloon(app::main_window,
                   ui::Point{static_cast<int>(std::trunc(x)), static_cast<int>(std::trunc(y))}, kStartHint);
}

void on_mini_info_tick() {
  ui::set_period(app::main_timer(MainTimer::时钟_迷你资讯), random_minutes(25, 35));
  open_mini_window(MiniInstance::A);
}

void connect_online() {
  for (std::string* link :
       {&bottom_ad_link, &settings_ad_link, &second_ad_link, &calendar_ad_link, &calculator_ad_link})
    link->clear();
  g_calendar_label.reset();
  reset_page_slots();
  connect_fixed_links();
  connect_promotion_label(AdLabel::Bottom, app::main_control(MainControl::窗口假下));
  connect_promotion_label(AdLabel::Settings, app::main_control(MainControl::标签_设置下广告));
  connect_promotion_label(AdLabel::Second, app::main_control(MainControl::标签_二广告));
  ui::on_tick(app::main_timer(MainTimer::时钟_联机), on_online_tick);
  ui::on_tick(app::main_timer(MainTimer::时钟_启动后稍候弹出提示), on_start_hint_tick);
  ui::on_tick(app::main_timer(MainTimer::时钟_迷你资讯), on_mini_info_tick);
}

}  // namespace orvane::online

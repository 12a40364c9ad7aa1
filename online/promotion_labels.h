// The promotion labels: their texts and links from the information pages,
// their clicks, the main window's online timer and the hint balloon.
#pragma once

#include <string>
#include <string_view>

#include "platform/ui.h"

namespace orvane::online {

inline constexpr std::string_view kDefaultAdText = "淘宝淘实惠";
inline constexpr std::string_view kStartHint = "单击此按钮可设置更多倒计时事件";

// The five labels: the main window's bottom strip, settings pane, button bar
// and calendar pane, and the date calculator window.
enum class AdLabel { Bottom, Settings, Second, Calendar, Calculator };

// Each label's link; empty until a page gives one.
extern std::string bottom_ad_link, settings_ad_link, second_ad_link, calendar_ad_link, calculator_ad_link;
std::string& link_of(AdLabel label);
// The caption the label has at creation (" 淘宝淘实惠" for the button bar's).
std::string_view creation_caption(AdLabel label);

// A press on the label: its link, or shop_channel_url while the label shows
// its creation caption or has no link.
void on_label_pressed(AdLabel which, ui::Control label);

// For labels of windows and panes that other parts build. The calendar pane
// connects 标签_万年历广告 with AdLabel::Calendar, after connect_online (which
// forgets an earlier run's labels): the label then opens calendar_ad_link and
// the main window's online timer fills it.
void connect_promotion_label(AdLabel which, ui::Control label);
// The date calculator window, at each creation: its 标签_广告 and its
// one-shot 时钟_联机 (3000 ms in the design), which fills the label from
// calculator_page_url. A window closed during the fetch drops the result.
void connect_calculator_online(ui::Control ad_label, ui::Timer online_timer);

// Ticks of the main window's timers.
void on_online_tick();      // 时钟_联机
void on_start_hint_tick();  // 时钟_启动后稍候弹出提示
void on_mini_info_tick();   // 时钟_迷你资讯

// Connects the main window's labels, timers and fixed links; forgets the
// links and pages of an earlier run.
void connect_online();

}  // namespace orvane::online

// Every fixed web address of the program and the affiliate identifiers in
// them. Whoever publishes the program sets these values here, and only here:
// each identifier is written once and spliced into the addresses that carry it.
//
// The pages the program fetches are plain http; the information pages are
// encrypted by the page producer (tools/make_marker_page).
#pragma once

#include <string_view>

// --- Affiliate identifiers ------------------------------------------------------
#define ORVANE_TAOBAO_PID "mm_00000000_0_0"            // the maker's Taobao affiliate id (alimama pid)
#define ORVANE_TAOBAO_EVENT_ID "101329"                // the Taobao channel's event number
#define ORVANE_DANGDANG_CLIENT_ID "P-000000"           // the maker's Dangdang affiliate client id
#define ORVANE_JOYO_TAG "orvane-23"                    // the maker's Joyo associate tag
#define ORVANE_JOYO_AD_ID "0000000000000000"           // the maker's Joyo ad id
#define ORVANE_MAKER_SITE "http://www.orvane.example"  // the maker's web site, no trailing "/"

namespace orvane::online {

inline constexpr std::string_view kTaobaoAffiliatePid = ORVANE_TAOBAO_PID;
inline constexpr std::string_view kDangdangClientId = ORVANE_DANGDANG_CLIENT_ID;

// --- Pages the user opens -------------------------------------------------------
// The maker's home page, where new versions are announced.
inline constexpr std::string_view update_page_url = ORVANE_MAKER_SITE "/";
// The Taobao affiliate channel; also the fallback of every promotion label.
inline constexpr std::string_view shop_channel_url =
    "http://www.taobao.com/go/chn/tbk_channel/channelcode.php?pid=" ORVANE_TAOBAO_PID
    "&eventid=" ORVANE_TAOBAO_EVENT_ID;
// The maker's own shop.
inline constexpr std::string_view own_shop_url = "http://shop00000000.taobao.com/";
// The Joyo associate search box; the keyword is appended.
inline constexpr std::string_view joyo_search_url =
    "http://www.amazon.cn/gp/associates/link-types/searchbox.html?tag=" ORVANE_JOYO_TAG
    "&creative=2028&adid=" ORVANE_JOYO_AD_ID "&campaign=408&mode=blended&keyword=";

// --- Marker pages the program fetches ---------------------------------------------
inline constexpr std::string_view info_page_url = ORVANE_MAKER_SITE "/online/info.htm";
inline constexpr std::string_view calculator_page_url = ORVANE_MAKER_SITE "/online/calculator.htm";
inline constexpr std::string_view mini_page_url = ORVANE_MAKER_SITE "/online/mini.htm";
inline constexpr std::string_view search_box_page_url = ORVANE_MAKER_SITE "/online/searchbox.htm";

// --- Scripts of the shops' search widgets --------------------------------------------
inline constexpr std::string_view taobao_widget_script_url = "http://a.alimama.cn/inf.js";
inline constexpr std::string_view dangdang_widget_script_url =
    "http://union.dangdang.com/union/script/dd_ads.js";

}  // namespace orvane::online

#include "searchbox/engines.h"

#include "online/addresses.h"

namespace orvane::searchbox {
namespace {

constexpr EngineLook kTaobao{"taobao", " TaoBao", {192, 96, 0}};
constexpr EngineLook kDangdang{"dangdang", " DangDang", {0, 96, 192}};
constexpr EngineLook kJoyo{"zhuoyue", " ZhuoYue", {192, 96, 0}};

}  // namespace

const EngineLook& look_of(Engine e) {
  switch (e) {
    case Engine::Taobao:
      return kTaobao;
    case Engine::Dangdang:
      return kDangdang;
    case Engine::Joyo:
      break;
  }
  return kJoyo;
}

std::optional<Engine> engine_of_key(std::string_view key) {
  for (Engine e : {Engine::Taobao, Engine::Dangdang, Engine::Joyo})
    if (key == look_of(e).key) return e;
  return std::nullopt;
}

std::string taobao_engine_page() {
  std::string page = "<script type='text/javascript'>\r\n";
  page += "alimama_pid='";
  page += online::kTaobaoAffiliatePid;
  page +=
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
      "<script type='text/javascript' src='";
  page += online::taobao_widget_script_url;
  page += "'></script>";
  return page;
}

std::string dangdang_engine_page() {
  std::string page =
      "<script type=\"text/javascript\" > <!-- \r\n"
      "dd_ad_output=\"html\";\r\n"
      "dd_ad_client=\"";
  page += online::kDangdangClientId;
  page +=
      "\";\r\n"
      "dd_ad_format=40;\r\n"
      "dd_ad_width=300;\r\n"
      "dd_ad_height=40;\r\n"
      "dd_open_target=\"_blank\";\r\n"
      "//--></script>\r\n"
      "<script type=\"text/javascript\" src=\"";
  page += online::dangdang_widget_script_url;
  page += "\" ></script>";
  return page;
}

}  // namespace orvane::searchbox

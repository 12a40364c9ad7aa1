#include "tools/marker_page_producer.h"

#include <array>

#include "core/text_codec.h"
#include "online/marker_page.h"

namespace orvane::tools {
namespace {

constexpr std::array<PageFormat, 4> kFormats{{
    {"info", "[总开始]", "[总结束]", true},
    {"calculator", "[联机信息开始]", "[联机信息结束]", true},
    {"mini", "[联机信息开始]", "[联机信息结束]", false},
    {"searchbox", "[联机信息开始]", "[联机信息结束]", true},
}};

std::string escape_ampersands(std::string_view text) {
  std::string out;
  for (const char c : text) out += c == '&' ? std::string("&amp;") : std::string(1, c);
  return out;
}

}  // namespace

const PageFormat& page_format(PageKind kind) { return kFormats[static_cast<std::size_t>(kind)]; }

std::optional<PageKind> page_kind(std::string_view name) {
  for (std::size_t i = 0; i < kFormats.size(); ++i)
    if (kFormats[i].name == name) return static_cast<PageKind>(i);
  return std::nullopt;
}

std::optional<std::string> inner_sections(const std::vector<Section>& sections) {
  std::string utf8;
  for (const auto& [stem, text] : sections) utf8 += "[" + stem + "开始]" + text + "[" + stem + "结束]";
  return utf8_to_gbk(utf8);
}

std::optional<std::string> make_marker_page(PageKind kind, const std::vector<Section>& sections) {
  const PageFormat& format = page_format(kind);
  const std::optional<std::string> inner = inner_sections(sections);
  if (!inner) return std::nullopt;
  std::string outer;
  if (format.encrypted) {
    outer = online::encrypt_section(*inner);
    if (outer.empty()) return std::nullopt;
  } else {
    outer = escape_ampersands(*inner);
  }
  const std::optional<std::string> start = utf8_to_gbk(format.start), end = utf8_to_gbk(format.end);
  return "<html>\r\n<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\"></head>\r\n"
         "<body>\r\n" +
         *start + outer + *end + "\r\n</body>\r\n</html>\r\n";
}

}  // namespace orvane::tools

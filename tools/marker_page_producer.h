// Writing marker pages: the page producer's side of the format that the
// program reads (online/marker_page.h). Texts in, GBK page bytes out.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvane::tools {

enum class PageKind { Info, Calculator, Mini, SearchBox };

struct PageFormat {
  std::string_view name;        // as the tool's command line names it
  std::string_view start, end;  // outer markers (UTF-8)
  bool encrypted;
};
const PageFormat& page_format(PageKind kind);
std::optional<PageKind> page_kind(std::string_view name);

// One inner section, named by its marker's stem: {"文本", "..."} stands
// between "[文本开始]" and "[文本结束]". Texts are UTF-8.
using Section = std::pair<std::string, std::string>;

// The whole page as GBK bytes: a small HTML page whose body holds the outer
// section. Encrypted kinds hold the encrypted inner sections; the plain kind
// holds them as HTML text, "&" written as "&amp;". Nothing when a text has no
// GBK form or the cipher is unavailable.
std::optional<std::string> make_marker_page(PageKind kind, const std::vector<Section>& sections);

// The inner sections as GBK bytes, in the order given.
std::optional<std::string> inner_sections(const std::vector<Section>& sections);

}  // namespace orvane::tools

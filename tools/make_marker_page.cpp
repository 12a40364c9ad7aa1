// make_marker_page: writes a marker page for the program to fetch.
//
//   make_marker_page info|calculator|mini|searchbox OUT_FILE [STEM=TEXT]...
//
// Each STEM=TEXT is an inner section, e.g. 文本=今日特价 stands between
// "[文本开始]" and "[文本结束]". Texts are UTF-8 on the command line and GBK in
// the page; the info, calculator and searchbox pages are encrypted.
#include <cstdio>
#include <fstream>
#include <iostream>

#include "tools/marker_page_producer.h"

int main(int argc, char** argv) {
  using namespace orvane::tools;
  if (argc < 3) {
    std::cerr << "usage: make_marker_page info|calculator|mini|searchbox OUT_FILE [STEM=TEXT]...\n";
    return 2;
  }
  const std::optional<PageKind> kind = page_kind(argv[1]);
  if (!kind) {
    std::cerr << "make_marker_page: unknown page kind " << argv[1] << "\n";
    return 2;
  }
  std::vector<Section> sections;
  for (int i = 3; i < argc; ++i) {
    const std::string arg = argv[i];
    const std::size_t eq = arg.find('=');
    if (eq == std::string::npos || eq == 0) {
      std::cerr << "make_marker_page: expected STEM=TEXT, got " << arg << "\n";
      return 2;
    }
    sections.emplace_back(arg.substr(0, eq), arg.substr(eq + 1));
  }
  const std::optional<std::string> page = make_marker_page(*kind, sections);
  if (!page) {
    std::cerr << "make_marker_page: a text has no GBK form, or AES is unavailable\n";
    return 1;
  }
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out.write(page->data(), static_cast<std::streamsize>(page->size()));
  out.close();
  if (!out) {
    std::cerr << "make_marker_page: cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}

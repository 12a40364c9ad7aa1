// GBK conversion through iconv, for every system but Windows.
#include <errno.h>
#include <iconv.h>

#include "core/text_codec.h"

namespace orvane {
namespace {

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much as possible; returns the number of input bytes consumed.
  std::size_t convert(std::string_view in, std::string& out) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in.data());
    std::size_t src_left = in.size();
    char buf[4096];
    while (src_left > 0) {
      char* dst = buf;
      std::size_t dst_left = sizeof buf;
      const std::size_t r = iconv(cd_, &src, &src_left, &dst, &dst_left);
      out.append(buf, static_cast<std::size_t>(dst - buf));
      if (r == static_cast<std::size_t>(-1) && errno != E2BIG) break;
    }
    return in.size() - src_left;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::string gbk_to_utf8(std::string_view gbk) {
  thread_local Converter conv("UTF-8", "CP936");
  std::string out;
  out.reserve(gbk.size() + gbk.size() / 2);
  if (!conv.ok()) return out;
  while (!gbk.empty()) {
    const std::size_t used = conv.convert(gbk, out);
    gbk.remove_prefix(used);
    if (!gbk.empty()) {
      out += "\xEF\xBF\xBD";
      gbk.remove_prefix(1);
    }
  }
  return out;
}

std::optional<std::string> utf8_to_gbk(std::string_view utf8, std::size_t* first_bad) {
  thread_local Converter conv("CP936", "UTF-8");
  std::string out;
  out.reserve(utf8.size());
  if (!conv.ok()) return std::nullopt;
  const std::size_t used = conv.convert(utf8, out);
  if (used != utf8.size()) {
    if (first_bad) *first_bad = used;
    return std::nullopt;
  }
  return out;
}

}  // namespace orvane

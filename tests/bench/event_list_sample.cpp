#include "tests/bench/event_list_sample.h"

#include <array>
#include <random>
#include <string_view>

namespace orvane::bench {
namespace {

constexpr std::array<std::string_view, 10> kNames = {
    "Dorsan百岁诞辰纪念日", "世界末日",      "完整格式示例",     "高考",
    "妈妈生日/记得买蛋糕",  "房贷还清",      "距离退休还有多久", "project deadline",
    "结婚纪念日",           "护照到期，续签"};

constexpr std::array<std::string_view, 10> kFullWidthDigits = {"０", "１", "２", "３", "４",
                                                               "５", "６", "７", "８", "９"};

std::string full_width(int value) {
  std::string out;
  for (char c : std::to_string(value)) out += kFullWidthDigits[static_cast<std::size_t>(c - '0')];
  return out;
}

}  // namespace

std::string sample_event_list(std::size_t lines, unsigned seed) {
  std::mt19937 rng(seed);
  const auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  std::string out;
  out.reserve(lines * 48);
  for (std::size_t i = 0; i < lines; ++i) {
    if (i > 0) out += "\r\n";
    const int year = pick(1990, 2060), month = pick(1, 12), day = pick(1, 28);
    const std::string y = std::to_string(year), m = std::to_string(month), d = std::to_string(day);
    const std::string_view name = kNames[static_cast<std::size_t>(pick(0, kNames.size() - 1))];
    const int kind = pick(0, 99);
    if (kind < 30) {  // full date
      out += y + "年" + m + "月" + d + "日/";
    } else if (kind < 50) {  // with a time of day
      out += y + "年" + m + "月" + d + "日" + std::to_string(pick(0, 23)) + "时" +
             std::to_string(pick(0, 59)) + "分" + std::to_string(pick(0, 59)) + "秒/";
    } else if (kind < 62) {  // ISO-like with a space after the day
      out += y + "-" + m + "-" + d + " " + std::to_string(pick(0, 23)) + ":" + std::to_string(pick(0, 59)) +
             ":" + std::to_string(pick(0, 59)) + "/";
    } else if (kind < 68) {  // full-width digits
      out += full_width(year) + "年" + full_width(month) + "月" + full_width(day) + "日/";
    } else if (kind < 80) {  // comment
      out += ";" + y + "年" + m + "月" + d + "日/";
    } else if (kind < 88) {  // empty line
      continue;
    } else if (kind < 94) {  // invalid: no such day, or no date at all
      out += kind % 2 ? y + "-2-30/" : std::string("明天下午/");
    } else if (kind < 97) {  // more than 60 years away
      out += std::to_string(pick(2100, 9999)) + "年" + m + "月" + d + "日/";
    } else {  // no "/" at all
      out += y + "." + m + "." + d;
      continue;
    }
    out += name;
  }
  return out;
}

}  // namespace orvane::bench

// Setting one key in any file: the value reads back as written and every
// other line of the file stays, in order and with its line end.
//
// Input: one shape byte (bits 0-1 the section's length, bits 2-3 the key's
// length less one, bit 7 to repeat the value past the read bound), the name
// letters, one byte for the value's length, the value, then the file.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/text_codec.h"
#include "platform/ini_text.h"
#include "platform/system.h"

namespace {

using namespace orvane;

void append_utf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Valid UTF-8 from any bytes: ASCII as it is, other bytes pairs naming a
// character of Latin, CJK, full-width forms or emoji.
std::string utf8_of(std::string_view bytes) {
  static constexpr char32_t kBase[] = {0x80, 0x3000, 0x4E00, 0xE000};
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80 || i + 1 == bytes.size()) {
      out += static_cast<char>(b & 0x7F);
      continue;
    }
    const char32_t low = static_cast<char32_t>((b & 0x1F) << 8 | static_cast<unsigned char>(bytes[++i]));
    append_utf8(out, low >= 0x1F00 ? 0x1F600 + (low & 0xFF) : kBase[(b >> 5) & 3] + low);
  }
  return out;
}

std::size_t utf8_length(unsigned char lead) {
  return lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

// GBK of valid UTF-8, one character at a time; '?' for what GBK lacks.
std::string gbk_or_question_marks(std::string_view utf8) {
  static std::map<std::string, std::string, std::less<>> known;  // repeated values repeat characters
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const std::string_view c = utf8.substr(i, utf8_length(static_cast<unsigned char>(utf8[i])));
    auto it = known.find(c);
    if (it == known.end()) it = known.emplace(c, utf8_to_gbk(c).value_or("?")).first;
    out += it->second;
    i += c.size();
  }
  return out;
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// What reading gives for a value written as these GBK bytes.
std::string read_back(std::string_view gbk) {
  const std::string text = gbk_to_utf8(gbk);
  std::string_view v = trim(text);
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    v = v.substr(1, v.size() - 2);
  if (v.size() > ini::kMaxValueBytes) {
    std::size_t n = ini::kMaxValueBytes;
    while (n > 0 && (static_cast<unsigned char>(v[n]) & 0xC0) == 0x80) --n;
    v = v.substr(0, n);
  }
  return std::string(v);
}

struct Line {
  std::string_view text, end;
  bool operator==(const Line&) const = default;
};

std::vector<Line> lines_of(std::string_view bytes) {
  std::vector<Line> lines;
  while (!bytes.empty()) {
    const std::size_t lf = bytes.find('\n');
    const std::size_t next = lf == std::string_view::npos ? bytes.size() : lf + 1;
    std::size_t end = lf == std::string_view::npos ? bytes.size() : lf;
    if (end > 0 && lf != std::string_view::npos && bytes[end - 1] == '\r') --end;
    lines.push_back({bytes.substr(0, end), bytes.substr(end, next - end)});
    bytes.remove_prefix(next);
  }
  return lines;
}

// after is before with one line replaced (its line end kept), or the key
// line inserted, or the section and key appended. A last line without a line
// end may gain one. entry is the new line, when known.
void check_one_line_changed(std::string_view before, std::string_view after, std::string_view section,
                            std::string_view key, const std::string* entry) {
  const std::vector<Line> o = lines_of(before), n = lines_of(after);
  const auto kept = [&](std::size_t i, std::size_t j) {
    return o[i] == n[j] ||
           (i + 1 == o.size() && o[i].end.empty() && o[i].text == n[j].text && n[j].end == "\r\n");
  };
  std::size_t p = 0, s = 0;
  while (p < o.size() && p < n.size() && kept(p, p)) ++p;
  while (s < o.size() - p && s < n.size() - p && o[o.size() - 1 - s] == n[n.size() - 1 - s]) ++s;
  const std::size_t old_lines = o.size() - p - s, new_lines = n.size() - p - s;
  if (old_lines > 1 || new_lines > 2 || (old_lines == 1 && new_lines != 1)) std::abort();
  if (new_lines == 0) return;  // the same value again
  const Line& last = n[p + new_lines - 1];
  if (last.text.substr(0, key.size() + 1) != std::string(key) + "=") std::abort();
  if (last.text.find('\n') != std::string_view::npos) std::abort();
  if (entry && last.text != *entry) std::abort();
  if (old_lines == 1 && last.end != o[p].end) std::abort();
  if (old_lines == 0 && last.end != "\r\n") std::abort();
  if (new_lines == 2 && (p != o.size() || n[p] != Line{"[" + std::string(section) + "]", "\r\n"}))
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view in(reinterpret_cast<const char*>(data), size);
  if (in.size() < 2) return 0;
  const auto shape = static_cast<unsigned char>(in[0]);
  const std::size_t section_length = shape & 3, key_length = 1 + ((shape >> 2) & 3);
  if (in.size() < 2 + section_length + key_length) return 0;
  std::string section, key;
  for (std::size_t i = 0; i < section_length + key_length; ++i)
    (i < section_length ? section : key) += "aAbB"[static_cast<unsigned char>(in[1 + i]) & 3];
  in.remove_prefix(1 + section_length + key_length);
  const std::size_t value_length = std::min<std::size_t>(static_cast<unsigned char>(in[0]), in.size() - 1);
  std::string raw_value(in.substr(1, value_length));
  if ((shape & 0x80) && !raw_value.empty()) {
    const std::string piece = raw_value;
    while (raw_value.size() <= ini::kMaxValueBytes) raw_value += piece;
  }
  const std::string_view file = in.substr(1 + value_length);

  const std::string before_value = ini::read_value(file, section, key, "\n");
  if (before_value != "\n" && before_value.size() > ini::kMaxValueBytes) std::abort();

  const std::string value = utf8_of(raw_value);
  const std::string entry = key + "=" + gbk_or_question_marks(sys::ini_value_text(value));
  const std::string after = ini::with_value(file, section, key, value);
  check_one_line_changed(file, after, section, key, &entry);
  if (ini::read_value(after, section, key, "\n") != read_back(entry.substr(key.size() + 1))) std::abort();

  // Bytes that are not UTF-8 at all still change just the one line.
  const std::string after_raw = ini::with_value(file, section, key, raw_value);
  check_one_line_changed(file, after_raw, section, key, nullptr);
  if (ini::read_value(after_raw, section, key, "\n") == "\n") std::abort();
  return 0;
}

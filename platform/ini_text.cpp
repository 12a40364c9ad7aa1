// INI profile strings on GBK file bytes.
#include "platform/ini_text.h"

#include <algorithm>
#include <optional>

#include "core/text_codec.h"
#include "platform/system.h"

namespace orvane {

std::string sys::ini_value_text(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\r' || value[i] == '\n') {
      if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n') ++i;
      out += ' ';
    } else {
      out += value[i];
    }
  }
  return out;
}

namespace ini {
namespace {

// One line of the file as byte offsets: its text is [begin, end), its line
// end (LF or CR LF, none at the end of the file) is [end, next).
struct Line {
  std::size_t begin = 0, end = 0, next = 0;
};

Line line_at(std::string_view bytes, std::size_t begin) {
  const std::size_t lf = bytes.find('\n', begin);
  if (lf == std::string_view::npos) return {begin, bytes.size(), bytes.size()};
  return {begin, lf > begin && bytes[lf - 1] == '\r' ? lf - 1 : lf, lf + 1};
}

bool is_blank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
  while (!s.empty() && is_blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && is_blank(s.back())) s.remove_suffix(1);
  return s;
}

bool same_name(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

std::string_view unquoted(std::string_view v) {
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    return v.substr(1, v.size() - 2);
  return v;
}

// The text of a line. GBK trail bytes can equal '[' or ']' or ASCII letters,
// so lines are only parsed after decoding.
std::string decoded(std::string_view raw) {
  const bool ascii = std::all_of(raw.begin(), raw.end(), [](char c) { return (c & 0x80) == 0; });
  return ascii ? std::string(raw) : gbk_to_utf8(raw);
}

struct Parsed {
  enum Kind { kOther, kHeader, kKey } kind = kOther;
  std::string_view name;   // of the section or key
  std::string_view value;  // of a key
};

Parsed parse(std::string_view text) {
  text = trim(text);
  if (text.empty() || text.front() == ';') return {};
  if (text.front() == '[') {
    const std::size_t close = text.find(']');
    if (close != std::string_view::npos) return {Parsed::kHeader, trim(text.substr(1, close - 1)), {}};
  }
  const std::size_t eq = text.find('=');
  if (eq == std::string_view::npos) return {};
  return {Parsed::kKey, trim(text.substr(0, eq)), unquoted(trim(text.substr(eq + 1)))};
}

struct Found {
  std::optional<Line> section;  // the header of the first matching section
  Line last;                    // the section's last line that is not blank
  std::optional<Line> key;      // the first matching key line in that section
  std::string value;
};

Found find(std::string_view bytes, std::string_view section, std::string_view key) {
  Found f;
  for (Line line; line.next < bytes.size();) {
    line = line_at(bytes, line.next);
    const std::string text = decoded(bytes.substr(line.begin, line.end - line.begin));
    const Parsed p = parse(text);
    if (!f.section) {
      if (p.kind == Parsed::kHeader && same_name(p.name, section)) f.section = f.last = line;
      continue;
    }
    if (p.kind == Parsed::kHeader) break;
    if (p.kind == Parsed::kKey && same_name(p.name, key)) {
      f.key = line;
      f.value = p.value;
      break;
    }
    if (!trim(text).empty()) f.last = line;
  }
  return f;
}

bool is_continuation(char c) { return (c & 0xC0) == 0x80; }

// GBK bytes of UTF-8 text; a character GBK cannot hold, or a byte that is not
// UTF-8, becomes '?'.
std::string to_gbk(std::string_view utf8) {
  // Pieces bound the work of searching for each such character.
  constexpr std::size_t kPiece = 256;
  std::string out;
  out.reserve(utf8.size());
  while (!utf8.empty()) {
    std::size_t n = std::min(utf8.size(), kPiece);
    while (n < utf8.size() && n > 1 && is_continuation(utf8[n])) --n;
    for (std::string_view piece = utf8.substr(0, n); !piece.empty();) {
      std::size_t bad = 0;
      if (auto whole = utf8_to_gbk(piece, &bad)) {
        out += *whole;
        break;
      }
      bad = std::min(bad, piece.size());
      out += utf8_to_gbk(piece.substr(0, bad)).value_or("");
      out += '?';
      std::size_t skip = 1;
      while (bad + skip < piece.size() && skip < 4 && is_continuation(piece[bad + skip])) ++skip;
      piece.remove_prefix(std::min(piece.size(), bad + skip));
    }
    utf8.remove_prefix(n);
  }
  return out;
}

}  // namespace

std::string read_value(std::string_view file_bytes, std::string_view section, std::string_view key,
                       std::string_view default_value) {
  const Found f = find(file_bytes, section, key);
  if (!f.key) return std::string(default_value);
  std::size_t n = f.value.size();
  if (n > kMaxValueBytes) {
    n = kMaxValueBytes;
    while (n > 0 && is_continuation(f.value[n])) --n;
  }
  return f.value.substr(0, n);
}

std::string with_value(std::string_view file_bytes, std::string_view section, std::string_view key,
                       std::string_view value) {
  const std::string entry = to_gbk(key) + "=" + to_gbk(sys::ini_value_text(value));
  const Found f = find(file_bytes, section, key);
  std::string out;
  out.reserve(file_bytes.size() + section.size() + entry.size() + 8);
  if (f.key) {
    out.append(file_bytes.substr(0, f.key->begin)).append(entry).append(file_bytes.substr(f.key->end));
  } else if (f.section) {
    // After the section's last line that is not blank, so that blank lines
    // stay before the next section.
    out.append(file_bytes.substr(0, f.last.next));
    if (f.last.next == f.last.end) out += "\r\n";
    out.append(entry).append("\r\n").append(file_bytes.substr(f.last.next));
  } else {
    out.append(file_bytes);
    if (!file_bytes.empty() && file_bytes.back() != '\n') out += "\r\n";
    out.append("[").append(to_gbk(section)).append("]\r\n").append(entry).append("\r\n");
  }
  return out;
}

}  // namespace ini
}  // namespace orvane

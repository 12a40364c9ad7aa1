#include "core/hide_expired.h"

#include "core/board.h"
#include "core/date_time.h"

namespace orvane {
namespace {

bool has_expired(std::string_view line) {
  const DateTime date = parse_date_time(event_date_text(line));
  return linear_days(clamp_date_time(date)) < linear_days(clamp_date_time(current_date_time()));
}

void append_judged(std::string& out, std::string_view line) {
  if (line[0] != ';' && has_expired(line)) out += ';';
  out += line;
}

}  // namespace

std::string hide_expired_events(std::string_view text) {
  std::string out;
  if (text.empty()) return out;
  constexpr std::string_view kCrLf = "\r\n";
  if (text.find(kCrLf) == std::string_view::npos) {
    append_judged(out, text);
    return out;
  }
  out.reserve(text.size() + 64);
  while (true) {
    const std::size_t end = text.find(kCrLf);
    const std::string_view piece = text.substr(0, end);
    if (!piece.empty()) {
      append_judged(out, piece);
      out += kCrLf;
    }
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + kCrLf.size());
  }
  return out;
}

}  // namespace orvane

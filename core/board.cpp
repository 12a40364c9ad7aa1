#include "core/board.h"

#include <charconv>
#include <cstdlib>

namespace orvane {
namespace {

constexpr std::string_view kCrLf = "\r\n";
const std::string kSeparator(102, '-');

void append_number(std::string& out, long long v) {
  char buf[24];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  out.append(buf, r.ptr);
}

void append_countdown(std::string& out, DateTime date) {
  const DateTime now = current_date_time();
  if (std::abs(years_between(date, now)) > 60) {
    out += kDateTooFar;
    return;
  }
  const bool to_come = is_later(date, now);
  const std::int32_t n = to_come ? seconds_between(date, now) : seconds_between(now, date);
  out += to_come ? kStillToCome : kAlreadyPassed;
  append_number(out, n);
  out += "秒 = ";
  out += format_duration(n);
}

void append_block_head(std::string& out, std::string_view line, DateTime date) {
  out += "距离：";
  out += line;
  out += " [";
  out += weekday_name(date);
  out += "]\r\n";
}

// Collapses every run of CR LF pairs into one, as repeated replacing of
// "\r\n\r\n" by "\r\n" would.
std::string collapse_empty_lines(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (true) {
    const std::size_t end = text.find(kCrLf);
    out.append(text.substr(0, end));
    if (end == std::string_view::npos) break;
    std::size_t next = end + kCrLf.size();
    while (text.compare(next, kCrLf.size(), kCrLf) == 0) next += kCrLf.size();
    out += kCrLf;
    text.remove_prefix(next);
  }
  return out;
}

}  // namespace

std::string countdown_text(DateTime date) {
  std::string out;
  append_countdown(out, date);
  return out;
}

std::size_t count_occurrences(std::string_view needle, std::string_view haystack) {
  if (needle.empty()) return 0;
  std::size_t count = 0;
  for (std::size_t pos = haystack.find(needle); pos != std::string_view::npos;
       pos = haystack.find(needle, pos + needle.size()))
    ++count;
  return count;
}

std::string_view event_date_text(std::string_view line) { return line.substr(0, line.find('/')); }

std::string board_text(std::string_view event_list) {
  const std::string text = collapse_empty_lines(event_list);
  if (text.empty()) return std::string(kBoardPlaceholder);

  std::string board;
  if (text.find(kCrLf) == std::string::npos) {
    if (text[0] == ';') return std::string(kBoardPlaceholder);
    const DateTime date = parse_date_time(event_date_text(text));
    append_block_head(board, text, date);
    append_countdown(board, date);
    return board;
  }

  board.reserve(text.size() * 4);
  std::string_view rest = text;
  while (true) {
    const std::size_t end = rest.find(kCrLf);
    const std::string_view piece = rest.substr(0, end);
    if (!piece.empty() && piece[0] != ';') {
      const DateTime date = parse_date_time(event_date_text(piece));
      append_block_head(board, piece, date);
      append_countdown(board, date);
      board += kCrLf;
      board += kSeparator;
      board += kCrLf;
    }
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + kCrLf.size());
  }
  board += "共 ";
  append_number(board, static_cast<long long>(count_occurrences("距离", board)));
  board += " 条";
  return board;
}

}  // namespace orvane

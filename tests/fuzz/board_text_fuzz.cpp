// The board from raw event list file bytes, at a clock chosen by the input.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/board.h"
#include "core/text_codec.h"
#include "tests/fuzz/fuzz_clock.h"

namespace {

using namespace orvane;

// The board built the plain way: empty lines removed by repeated replacing,
// then one block per event line. The fast path must give the same text.
std::string plain_board(std::string text) {
  for (std::size_t pos; (pos = text.find("\r\n\r\n")) != std::string::npos;) text.replace(pos, 4, "\r\n");
  if (text.empty()) return std::string(kBoardPlaceholder);
  const auto head = [](std::string_view line, DateTime d) {
    return "距离：" + std::string(line) + " [" + weekday_name(d) + "]\r\n" + countdown_text(d);
  };
  if (text.find("\r\n") == std::string::npos) {
    if (text[0] == ';') return std::string(kBoardPlaceholder);
    return head(text, parse_date_time(event_date_text(text)));
  }
  std::string board;
  std::size_t start = 0;
  for (std::size_t end; start <= text.size(); start = end + 2) {
    end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    const std::string_view piece = std::string_view(text).substr(start, end - start);
    if (!piece.empty() && piece[0] != ';')
      board += head(piece, parse_date_time(event_date_text(piece))) + "\r\n" + std::string(102, '-') + "\r\n";
  }
  return board + "共 " + std::to_string(count_occurrences("距离", board)) + " 条";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view file = fuzz::pin_clock(data, size);
  const std::string text = gbk_to_utf8(cut_at_zero(file));
  if (board_text(text) != plain_board(text)) std::abort();
  set_clock_source(nullptr);
  return 0;
}

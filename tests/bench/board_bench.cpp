// The board for a 10 000-line event list, against the floor of only reading
// and decoding the same file.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/board.h"
#include "core/hide_expired.h"
#include "core/text_codec.h"
#include "tests/bench/event_list_sample.h"

namespace orvane::bench {
namespace {

constexpr std::size_t kLines = 10000;

// The sample list written once, in GBK, to a file that is removed at exit.
class EventListFile {
 public:
  EventListFile() : path_(std::filesystem::temp_directory_path() / unique_name()) {
    const auto gbk = utf8_to_gbk(sample_event_list(kLines));
    if (!gbk) throw std::runtime_error("sample event list has no GBK form");
    std::ofstream(path_, std::ios::binary) << *gbk;
  }
  ~EventListFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  static std::string unique_name() {
    char name[64];
    std::snprintf(name, sizeof name, "orvane_bench_%ld.txt", static_cast<long>(std::random_device{}()));
    return name;
  }
  std::filesystem::path path_;
};

const EventListFile& event_list_file() {
  static const EventListFile file;
  return file;
}

std::string read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string read_event_list(const std::filesystem::path& path) {
  const std::string bytes = read_file(path);
  return gbk_to_utf8(cut_at_zero(bytes));
}

void pin_clock() {
  set_clock_source([] { return kBenchNow; });
}

void count_lines(benchmark::State& state) {
  state.counters["per_line"] =
      benchmark::Counter(kLines, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The floor: read the file and decode it.
void BM_ReadDecode(benchmark::State& state) {
  const auto& path = event_list_file().path();
  for (auto _ : state) benchmark::DoNotOptimize(read_event_list(path));
  count_lines(state);
  state.SetLabel(std::to_string(std::filesystem::file_size(path) / 1024) + " KiB GBK");
}
BENCHMARK(BM_ReadDecode)->Unit(benchmark::kMicrosecond);

// What the refresh timer does: read, decode, build the board.
void BM_ReadDecodeBoard(benchmark::State& state) {
  const auto& path = event_list_file().path();
  pin_clock();
  for (auto _ : state) benchmark::DoNotOptimize(board_text(read_event_list(path)));
  set_clock_source(nullptr);
  count_lines(state);
}
BENCHMARK(BM_ReadDecodeBoard)->Unit(benchmark::kMicrosecond);

// The board alone, from text already decoded.
void BM_BoardText(benchmark::State& state) {
  const std::string list = read_event_list(event_list_file().path());
  pin_clock();
  for (auto _ : state) benchmark::DoNotOptimize(board_text(list));
  set_clock_source(nullptr);
  count_lines(state);
}
BENCHMARK(BM_BoardText)->Unit(benchmark::kMicrosecond);

// The date text of every line of the list.
void BM_ParseDateTime(benchmark::State& state) {
  const std::string list = read_event_list(event_list_file().path());
  std::vector<std::string_view> dates;
  for (std::string_view rest = list;;) {
    const std::size_t end = rest.find("\r\n");
    dates.push_back(event_date_text(rest.substr(0, end)));
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 2);
  }
  for (auto _ : state)
    for (std::string_view date : dates) benchmark::DoNotOptimize(parse_date_time(date));
  count_lines(state);
}
BENCHMARK(BM_ParseDateTime)->Unit(benchmark::kMicrosecond);

void BM_HideExpiredEvents(benchmark::State& state) {
  const std::string list = read_event_list(event_list_file().path());
  pin_clock();
  for (auto _ : state) benchmark::DoNotOptimize(hide_expired_events(list));
  set_clock_source(nullptr);
  count_lines(state);
}
BENCHMARK(BM_HideExpiredEvents)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvane::bench

// Prints, for every day from FROM to TO (YYYY-MM-DD, inclusive), the line that
// tests/oracle/lunar_oracle.js prints for it, from our calendar code.
#include <cstdio>
#include <string>

#include "calendar/lunar_date.h"

namespace {

bool parse(const char* text, orvane::calendar::Date& d) {
  char tail = 0;
  return text && std::sscanf(text, "%4d-%2d-%2d%c", &d.year, &d.month, &d.day, &tail) == 3 &&
         orvane::calendar::is_convertible(d);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace orvane::calendar;
  Date from, to;
  if (argc != 3 || !parse(argv[1], from) || !parse(argv[2], to)) {
    std::fprintf(stderr, "usage: lunar_dump FROM TO   (convertible dates as YYYY-MM-DD)\n");
    return 2;
  }
  for (int n = day_number(from); n <= day_number(to); ++n) {
    const Date d = date_from_day_number(n);
    const LunarDate l = *to_lunar(d);
    const int term = solar_term_on(d);
    std::printf("%04d-%02d-%02d %d %d %d %d %s %s %s\n", d.year, d.month, d.day, l.year, l.month,
                l.leap ? 1 : 0, l.day, cyclic_year_name(l.year).c_str(),
                std::string(zodiac_name(l.year)).c_str(),
                term < 0 ? "-" : std::string(solar_term_name(term)).c_str());
  }
  return 0;
}

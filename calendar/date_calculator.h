// The date interval calculator window: the distance between two moments and
// the date a number of days away from a moment.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/date_calculator_design.h"
#include "core/date_time.h"
#include "platform/ui.h"

namespace orvane::calendar {

inline constexpr std::string_view kCalculatorMessageTitle = "信息：";

// t moved by n whole days on the continuous axis, the time of day kept;
// nothing when the result leaves years 100 to 9999.
std::optional<DateTime> add_days(DateTime t, std::int64_t n);

// The interval message for two moments, either way round; exact also beyond
// the 32-bit count of seconds.
std::string interval_text(DateTime one, DateTime two);
// The offset-date message for a start moment and the day box's text.
std::string offset_date_text(DateTime start, std::string_view days_text);

// Opens the window, or brings the open one forward unchanged.
void open_date_calculator();
// The open calculator window; a handle that names nothing when it is closed.
ui::Window date_calculator_window();

inline ui::Control calculator_control(CalculatorControl c) {
  return ui::control(date_calculator_window(), c);
}

void connect_date_calculator_openers();

}  // namespace orvane::calendar

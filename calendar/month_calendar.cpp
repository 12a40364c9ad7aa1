#include "calendar/month_calendar.h"

#include <algorithm>
#include <array>

#include "core/date_time.h"

namespace orvane::calendar {
namespace {

constexpr int kHeaderHeight = 26;
constexpr int kWeekdayRowHeight = 18;
constexpr int kGridTop = kHeaderHeight + kWeekdayRowHeight;
constexpr int kCellWidth = MonthCalendar::kWidth / MonthCalendar::kColumns;
constexpr int kCellHeight = (MonthCalendar::kHeight - kGridTop) / MonthCalendar::kRows;

constexpr ui::Colour kPaper{255, 255, 255};
constexpr ui::Colour kHeaderPaper{232, 238, 247};
constexpr ui::Colour kInk{0, 0, 0};
constexpr ui::Colour kButtonInk{30, 60, 130};
constexpr ui::Colour kWeekendInk{192, 32, 32};
constexpr ui::Colour kOtherMonthInk{170, 170, 170};
constexpr ui::Colour kLunarInk{96, 96, 96};
constexpr ui::Colour kFestivalInk{192, 32, 32};
constexpr ui::Colour kSolarTermInk{32, 128, 64};
constexpr ui::Colour kSelectedPaper{204, 228, 255};
constexpr ui::Colour kTodayFrame{224, 64, 64};

constexpr Date kFirstDay{kFirstYear, 1, 1};
constexpr Date kLastDay{kLastYear, 12, 31};

constexpr std::array<const char*, 7> kWeekdayHeads = {"日", "一", "二", "三", "四", "五", "六"};

int length_of_lunar_month(const Date& first) {
  const auto l = to_lunar(first);
  return l ? lunar_month_days(l->year, l->month, l->leap) : 0;
}

}  // namespace

bool MonthCalendar::set_date(const Date& d) {
  if (d.year < kFirstYear || d.year > kLastYear || !is_valid_date(d)) return false;
  date_ = d;
  return true;
}

void MonthCalendar::move_to(int n) {
  date_ = date_from_day_number(std::clamp(n, day_number(kFirstDay), day_number(kLastDay)));
}

void MonthCalendar::move_days(int n) { move_to(day_number(date_) + n); }

void MonthCalendar::move_months(int n) {
  if (!shows_lunar_month()) {
    const long months = static_cast<long>(date_.year) * 12 + (date_.month - 1) + n;
    const int year = static_cast<int>(months / 12), month = static_cast<int>(months % 12) + 1;
    if (year < kFirstYear) return move_to(day_number(kFirstDay));
    if (year > kLastYear) return move_to(day_number(kLastDay));
    date_ = Date{year, month, std::min(date_.day, days_in_month(year, month))};
    return;
  }
  auto start = lunar_month_start(date_);
  if (!start) return;
  const int offset = day_number(date_) - day_number(*start);
  for (; n > 0 && start->year <= kLastYear; --n)
    start = date_from_day_number(day_number(*start) + length_of_lunar_month(*start));
  for (; n < 0 && start->year >= kFirstYear; ++n) {
    start = lunar_month_start(date_from_day_number(day_number(*start) - 1));
    if (!start) return move_to(day_number(kFirstDay));
  }
  const int length = length_of_lunar_month(*start);
  move_to(day_number(*start) + std::min(offset, std::max(length, 1) - 1));
}

void MonthCalendar::move_years(int n) {
  if (!shows_lunar_month()) {
    const long year = static_cast<long>(date_.year) + n;
    if (year < kFirstYear) return move_to(day_number(kFirstDay));
    if (year > kLastYear) return move_to(day_number(kLastDay));
    const int y = static_cast<int>(year);
    date_ = Date{y, date_.month, std::min(date_.day, days_in_month(y, date_.month))};
    return;
  }
  const auto l = to_lunar(date_);
  if (!l) return;
  const long year = static_cast<long>(l->year) + n;
  const bool past_end = n > 0;
  if (year < kFirstYear - 1 || year > kLastYear) return move_to(day_number(past_end ? kLastDay : kFirstDay));
  const int y = static_cast<int>(year);
  // A leap month the new year does not have becomes the ordinary month.
  const bool leap = l->leap && leap_month(y) == l->month;
  const int days = lunar_month_days(y, l->month, leap);
  const auto target = to_gregorian(LunarDate{y, l->month, leap, std::min(l->day, days)});
  if (!target) return move_to(day_number(past_end ? kLastDay : kFirstDay));
  move_to(day_number(*target));
}

MonthCalendar::Month MonthCalendar::month() const {
  Month m;
  const auto l = to_lunar(date_);
  const std::string year_name = l ? cyclic_year_name(l->year) + std::string(zodiac_name(l->year)) + "年" : "";
  if (!shows_lunar_month()) {
    m.first = Date{date_.year, date_.month, 1};
    m.days = days_in_month(date_.year, date_.month);
    m.title = std::to_string(date_.year) + "年" + std::to_string(date_.month) + "月  " + year_name;
    return m;
  }
  m.first = lunar_month_start(date_).value_or(date_);
  m.days = l ? lunar_month_days(l->year, l->month, l->leap) : 0;
  if (l)
    m.title = "农历" + cyclic_year_name(l->year) + "年" + month_name(l->month, l->leap) +
              (m.days == 30 ? "（大）" : "（小）") + "  " + std::string(zodiac_name(l->year)) + "年";
  return m;
}

Date MonthCalendar::grid_start() const {
  const Date first = month().first;
  return date_from_day_number(day_number(first) - weekday(first));
}

ui::Rect MonthCalendar::button_rect(Button b) {
  constexpr int kTop = 3, kSize = 22;
  switch (b) {
    case Button::PreviousYear:
      return {2, kTop, kSize, 20};
    case Button::PreviousMonth:
      return {2 + kSize + 2, kTop, kSize, 20};
    case Button::NextMonth:
      return {kWidth - 2 * kSize - 4, kTop, kSize, 20};
    case Button::NextYear:
      return {kWidth - kSize - 2, kTop, kSize, 20};
  }
  return {};
}

ui::Rect MonthCalendar::cell_rect(int row, int column) {
  return {column * kCellWidth, kGridTop + row * kCellHeight, kCellWidth, kCellHeight};
}

void MonthCalendar::paint(ui::Canvas& canvas, const Date& today) const {
  using ui::Align;
  canvas.fill({0, 0, canvas.width(), canvas.height()}, kPaper);
  canvas.fill({0, 0, canvas.width(), kHeaderHeight}, kHeaderPaper);
  const Month m = month();
  constexpr std::array<std::pair<Button, const char*>, 4> kButtons = {{{Button::PreviousYear, "«"},
                                                                       {Button::PreviousMonth, "‹"},
                                                                       {Button::NextMonth, "›"},
                                                                       {Button::NextYear, "»"}}};
  for (const auto& [b, label] : kButtons)
    canvas.text(button_rect(b), label, kButtonInk, 12, true, Align::Centre);
  const ui::Rect before = button_rect(Button::PreviousMonth), after = button_rect(Button::NextMonth);
  canvas.text({before.left + before.width, 0, after.left - before.left - before.width, kHeaderHeight},
              m.title, kInk, 10, true, Align::Centre);

  for (int c = 0; c < kColumns; ++c)
    canvas.text({c * kCellWidth, kHeaderHeight, kCellWidth, kWeekdayRowHeight},
                kWeekdayHeads[static_cast<std::size_t>(c)], c == 0 || c == 6 ? kWeekendInk : kInk, 9, false,
                Align::Centre);
  canvas.line({0, kGridTop - 1}, {canvas.width(), kGridTop - 1}, kHeaderPaper);

  const int first = day_number(m.first);
  const int start = first - weekday(m.first);
  for (int i = 0; i < kRows * kColumns; ++i) {
    const int n = start + i;
    const Date d = date_from_day_number(n);
    const ui::Rect cell = cell_rect(i / kColumns, i % kColumns);
    const bool in_month = n >= first && n < first + m.days;
    const bool weekend = i % kColumns == 0 || i % kColumns == 6;
    if (d == date_) canvas.fill(cell, kSelectedPaper);
    if (d == today) canvas.frame(cell, kTodayFrame);
    canvas.text({cell.left, cell.top + 2, cell.width, 18}, std::to_string(d.day),
                !in_month ? kOtherMonthInk
                : weekend ? kWeekendInk
                          : kInk,
                11, d == date_, Align::Centre);
    const CellLabel label = cell_label(d);
    const ui::Colour lunar_ink = !in_month                           ? kOtherMonthInk
                                 : label.kind == CellKind::Festival  ? kFestivalInk
                                 : label.kind == CellKind::SolarTerm ? kSolarTermInk
                                                                     : kLunarInk;
    canvas.text({cell.left, cell.top + 19, cell.width, 15}, label.text, lunar_ink, 8, false, Align::Centre);
  }
}

bool MonthCalendar::on_mouse(const ui::MouseEvent& e) {
  switch (e.what) {
    case ui::Mouse::Wheel:
      // Turning the wheel away goes back, as a list scrolls up.
      move_months(-e.wheel);
      return true;
    case ui::Mouse::LeftDown:
    case ui::Mouse::DoubleClick:
      break;
    case ui::Mouse::RightDown:
      return false;
  }
  if (button_rect(Button::PreviousYear).contains(e.at)) {
    move_years(-1);
  } else if (button_rect(Button::PreviousMonth).contains(e.at)) {
    move_months(-1);
  } else if (button_rect(Button::NextMonth).contains(e.at)) {
    move_months(1);
  } else if (button_rect(Button::NextYear).contains(e.at)) {
    move_years(1);
  } else if (e.at.y >= kGridTop && e.at.x >= 0 && e.at.x < kColumns * kCellWidth) {
    const int row = (e.at.y - kGridTop) / kCellHeight, column = e.at.x / kCellWidth;
    if (row >= kRows) return false;
    move_to(day_number(grid_start()) + row * kColumns + column);
  } else {
    return false;
  }
  return true;
}

bool MonthCalendar::on_key(ui::Key k) {
  switch (k) {
    case ui::Key::Left:
      move_days(-1);
      return true;
    case ui::Key::Right:
      move_days(1);
      return true;
    case ui::Key::Up:
      move_days(-7);
      return true;
    case ui::Key::Down:
      move_days(7);
      return true;
    case ui::Key::PageUp:
      move_months(-1);
      return true;
    case ui::Key::PageDown:
      move_months(1);
      return true;
    case ui::Key::Home:
      move_to(day_number(month().first));
      return true;
    case ui::Key::End: {
      const Month m = month();
      move_to(day_number(m.first) + m.days - 1);
      return true;
    }
    case ui::Key::Other:
      break;
  }
  return false;
}

std::string MonthCalendar::accessible_text() const { return full_text(date_.year, date_.month, date_.day); }

}  // namespace orvane::calendar

// The lunar month calendar: a month of days in weeks, each day with its
// Gregorian number and its lunar text. The model, its drawing and its answers
// to the mouse and keys are portable; a drawn control shows it.
#pragma once

#include <string>

#include "calendar/lunar_date.h"
#include "platform/ui.h"

namespace orvane::calendar {

// Month views: the grid of the lunar month that holds the date, or of its
// Gregorian month. Any other value counts as the lunar grid.
inline constexpr int kLunarMonthView = 0;
inline constexpr int kGregorianMonthView = 1;

class MonthCalendar {
 public:
  // The control's designed size.
  static constexpr int kWidth = 365, kHeight = 262;
  static constexpr int kRows = 6, kColumns = 7;

  Date date() const { return date_; }
  // Accepted only for years kFirstYear to kLastYear (and a real date);
  // otherwise the calendar keeps its date. True when accepted.
  bool set_date(const Date& d);
  int month_view() const { return view_; }
  void set_month_view(int view) { view_ = view; }
  bool shows_lunar_month() const { return view_ != kGregorianMonthView; }

  // Moves never leave kFirstYear to kLastYear: a move past either end stops
  // at its first or last day. A month or a year in the lunar grid is a lunar
  // one; the day of the month is kept where the new month has it.
  void move_days(int n);
  void move_months(int n);
  void move_years(int n);

  // The month on show: its first day, its length and its heading.
  struct Month {
    Date first;
    int days = 0;
    std::string title;
  };
  Month month() const;
  // The first day of the grid: the Sunday on or before the month's first day.
  Date grid_start() const;

  // Places, in pixels of the control.
  enum class Button { PreviousYear, PreviousMonth, NextMonth, NextYear };
  static ui::Rect button_rect(Button b);
  static ui::Rect cell_rect(int row, int column);

  void paint(ui::Canvas& canvas, const Date& today) const;
  // True when the event was the calendar's: it is to be drawn again.
  bool on_mouse(const ui::MouseEvent& e);
  bool on_key(ui::Key k);

  // What a screen reader reads: the date in full, Gregorian and lunar.
  std::string accessible_text() const;

 private:
  void move_to(int day_number);

  Date date_{2000, 1, 1};
  int view_ = kGregorianMonthView;
};

}  // namespace orvane::calendar

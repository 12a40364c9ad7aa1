// The perpetual calendar pane 外形框_万年历 of the main window.
#pragma once

#include "calendar/month_calendar.h"
#include "core/date_time.h"

namespace orvane::calendar {

// Shows the pane centred in the main window, turned to today.
void show_calendar_pane();

// The calendar control's date; a date-time whose year lies outside
// kFirstYear to kLastYear leaves it unchanged.
void set_calendar_date(DateTime t);
void set_calendar_month_view(int view);
const MonthCalendar& month_calendar();

void connect_calendar_pane();

}  // namespace orvane::calendar

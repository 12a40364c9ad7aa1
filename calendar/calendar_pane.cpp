#include "calendar/calendar_pane.h"

#include "app/main_window.h"
#include "online/promotion_labels.h"

namespace orvane::calendar {
namespace {

using enum app::MainControl;
using app::main_control;

MonthCalendar g_calendar;

Date date_of(DateTime t) {
  const CivilTime c = to_civil(t);
  return Date{c.year, c.month, c.day};
}

// The control shows the model again; its window text is the date in full.
void refresh_calendar() {
  const ui::Control c = main_control(农历月历1);
  ui::set_text(c, g_calendar.accessible_text());
  ui::repaint(c);
}

}  // namespace

const MonthCalendar& month_calendar() { return g_calendar; }

void set_calendar_date(DateTime t) {
  if (g_calendar.set_date(date_of(t))) refresh_calendar();
}

void set_calendar_month_view(int view) {
  g_calendar.set_month_view(view);
  refresh_calendar();
}

void show_calendar_pane() {
  const ui::Control pane = main_control(外形框_万年历);
  ui::set_visible(pane, true);
  const ui::Rect window = ui::window_rect(app::main_window);
  ui::Rect r = ui::rect(pane);
  r.left = (window.width - r.width) / 2;
  r.top = (window.height - r.height) / 2;
  ui::set_rect(pane, r);
  set_calendar_date(current_date_time());
}

void connect_calendar_pane() {
  const ui::Control c = main_control(农历月历1);
  g_calendar = MonthCalendar{};
  g_calendar.set_date(date_of(current_date_time()));
  ui::on_paint(c, [](ui::Canvas& canvas) { g_calendar.paint(canvas, date_of(current_date_time())); });
  ui::on_mouse(c, [](const ui::MouseEvent& e) {
    if (g_calendar.on_mouse(e)) refresh_calendar();
  });
  ui::on_key(c, [](ui::Key k) {
    if (g_calendar.on_key(k)) refresh_calendar();
  });
  ui::set_text(c, g_calendar.accessible_text());

  ui::on_command(app::main_window, app::MainCommand::万年历, show_calendar_pane);
  ui::on_mouse_down(main_control(万年历), show_calendar_pane);
  ui::on_mouse_down(main_control(公历标签1), [] { set_calendar_date(current_date_time()); });
  ui::on_mouse_down(main_control(农历标签), [] { set_calendar_month_view(kLunarMonthView); });
  ui::on_mouse_down(main_control(公历标签), [] { set_calendar_month_view(kGregorianMonthView); });
  ui::on_mouse_down(main_control(标签6), [] { ui::set_visible(main_control(外形框_万年历), false); });
  ui::on_mouse_down(main_control(标签_万年历标题栏), [] { ui::begin_drag(main_control(外形框_万年历)); });
  online::connect_promotion_label(online::AdLabel::Calendar, main_control(标签_万年历广告));
}

}  // namespace orvane::calendar

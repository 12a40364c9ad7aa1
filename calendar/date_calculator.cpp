#include "calendar/date_calculator.h"

#include <cmath>
#include <limits>

#include "app/main_window.h"
#include "calendar/lunar_date.h"
#include "core/text_to_number.h"
#include "online/promotion_labels.h"

namespace orvane::calendar {
namespace {

using enum CalculatorControl;

ui::Window g_window;

constexpr std::string_view kDateBoxFormat = "yyyy年MM月dd日 HH时mm分ss秒";

void tell(std::string_view text) { ui::message_box(g_window, text, kCalculatorMessageTitle); }

void compute_interval() {
  const DateTime one = ui::date_value(calculator_control(日期框_1));
  const DateTime two = ui::date_value(calculator_control(日期框_2));
  tell(interval_text(one, two));
  ui::set_focus(calculator_control(日期框_1));
}

void compute_offset_date() {
  const ui::Control days = calculator_control(编辑框_天);
  if (ui::text(days).empty()) ui::set_text(days, "0");
  const std::string message = offset_date_text(ui::date_value(calculator_control(日期框_3)), ui::text(days));
  ui::set_focus(days);
  tell(message);
}

void set_up(ui::Window w) {
  for (CalculatorControl box : {日期框_1, 日期框_2, 日期框_3})
    ui::set_date_format(ui::control(w, box), kDateBoxFormat);
  const ui::Control frame = ui::control(w, 外形框1);
  ui::Rect f = ui::rect(frame);
  const ui::ScreenInfo screen = ui::screen();
  ui::set_window_rect(
      w, ui::Rect{(screen.width - f.width) / 2, (screen.height - f.height) / 2, f.width, f.height});
  f.left = f.top = 0;
  ui::set_rect(frame, f);
}

void connect(ui::Window w) {
  const auto now_into = [w](CalculatorControl box) {
    return [w, box] { ui::set_date_value(ui::control(w, box), current_date_time()); };
  };
  ui::on_mouse_down(ui::control(w, 标签2), now_into(日期框_1));
  ui::on_mouse_down(ui::control(w, 标签3), now_into(日期框_2));
  ui::on_mouse_down(ui::control(w, 标签4), now_into(日期框_3));
  ui::on_click(ui::control(w, 超级按钮1), compute_interval);
  ui::on_click(ui::control(w, 超级按钮2), compute_offset_date);
  ui::on_mouse_down(ui::control(w, 标签1), [w] { ui::destroy_window(w); });
  ui::on_mouse_down(ui::control(w, 标签_日期间隔计算器假标题栏), [w] { ui::begin_window_drag(w); });
  online::connect_calculator_online(ui::control(w, 标签_广告), ui::timer(w, CalculatorTimer::时钟_联机));
}

}  // namespace

std::optional<DateTime> add_days(DateTime t, std::int64_t n) {
  const CivilTime c = to_civil(t);
  const std::int64_t day = std::int64_t{day_number(Date{c.year, c.month, c.day})} + n;
  constexpr std::int64_t kFirst = -657434, kLast = 2958465;  // 0100-01-01 and 9999-12-31
  if (day < kFirst || day > kLast) return std::nullopt;
  const Date d = date_from_day_number(static_cast<int>(day));
  return to_date_time(CivilTime{d.year, d.month, d.day, c.hour, c.minute, c.second});
}

std::string interval_text(DateTime one, DateTime two) {
  const std::int64_t n = whole_seconds_apart(two, one);
  return " 两时间差：" + std::to_string(n) + "秒 / " + format_long_duration(n);
}

std::string offset_date_text(DateTime start, std::string_view days_text) {
  // A count beyond the 32-bit range, or not finite, is out of range too.
  const double days = std::trunc(text_to_number(days_text));
  const bool in_range =
      days >= std::numeric_limits<std::int32_t>::min() && days <= std::numeric_limits<std::int32_t>::max();
  const auto moved = in_range ? add_days(start, static_cast<std::int64_t>(days)) : std::nullopt;
  if (!moved) return "推算出的日期超出了可以表示的范围（公元100年至9999年），请换一个天数。";
  return format_date_time(*moved) + "，" + weekday_name(*moved);
}

ui::Window date_calculator_window() { return g_window; }

void open_date_calculator() {
  if (ui::window_exists(g_window)) {
    ui::bring_to_front(g_window);  // restores a minimised window, keeps its values
    return;
  }
  g_window = ui::load_window(kDateCalculatorDesign);
  set_up(g_window);
  connect(g_window);
  ui::show_window(g_window, true);
  ui::bring_to_front(g_window);
}

void connect_date_calculator_openers() {
  ui::on_command(app::main_window, app::MainCommand::日期间隔计算器, open_date_calculator);
  ui::on_mouse_down(app::main_control(app::MainControl::标签2), open_date_calculator);
}

}  // namespace orvane::calendar

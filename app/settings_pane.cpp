#include "app/settings_pane.h"

#include <cstddef>
#include <string>

#include "app/board_view.h"
#include "app/config.h"
#include "app/main_window.h"
#include "app/start_with_windows.h"
#include "core/date_time.h"
#include "core/hide_expired.h"
#include "core/text_codec.h"
#include "platform/system.h"

namespace orvane::app {
namespace {

using enum MainControl;

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kFullWidthSpace = "　";

// Set when the editor shows the list with overlong lines cut: saving that
// text would cut them in the file too.
bool editor_holds_cut_list = false;

std::string replace_all(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  for (std::size_t at; (at = text.find(from, i)) != std::string_view::npos; i = at + from.size()) {
    out.append(text, i, at - i);
    out += to;
  }
  out.append(text, i);
  return out;
}

// The 1-based line of the byte offset.
std::size_t line_of(std::string_view text, std::size_t offset) {
  std::size_t line = 1;
  for (std::size_t i = 0; i < offset && i < text.size(); ++i)
    if (text[i] == '\n') ++line;
  return line;
}

void centre_in_main_window(ui::Control pane) {
  const ui::Rect win = ui::window_rect(main_window);
  ui::Rect r = ui::rect(pane);
  r.left = (win.width - r.width) / 2;
  r.top = (win.height - r.height) / 2;
  ui::set_rect(pane, r);
}

}  // namespace

std::string tidy_text(std::string_view text) {
  // UTF-8 keeps every match on whole characters.
  std::string t(text);
  while (t.find("\r\n\r\n") != std::string::npos) t = replace_all(t, "\r\n\r\n", kCrLf);
  t = replace_all(t, " ", "");
  return replace_all(t, kFullWidthSpace, "");
}

bool minutes_box_accepts(char32_t c) { return (c >= U'0' && c <= U'9') || c == U'-'; }

void tidy_settings_text() {
  const ui::Control editor = main_control(编辑框_设置);
  ui::set_text(editor, tidy_text(ui::text(editor)));
}

void open_settings_pane() {
  const ui::Control pane = main_control(外形框_设置);
  const ui::Control editor = main_control(编辑框_设置);
  ui::set_visible(pane, true);
  const std::optional<std::string> bytes = sys::read_file(event_file_path);
  const std::string list = tidy_text(bytes ? gbk_to_utf8(cut_at_zero(*bytes)) : std::string());
  // A line of many thousand characters takes the edit box seconds to lay out.
  const std::string shown = bounded_for_display(list);
  editor_holds_cut_list = shown.size() != list.size();
  ui::set_text(editor, shown);
  ui::set_checked(main_control(选择框_开机自启), startup_shortcut_exists());
  centre_in_main_window(pane);
  ui::set_focus(editor);
}

void save_settings() {
  const ui::Control editor = main_control(编辑框_设置);
  if (editor_holds_cut_list) {
    tell("倒计时事件文件 Orvane.txt 中有超过 " + std::to_string(kMaxBoardLineChars) +
         " 个字的行，这里只显示了这些行的开头，因此不能在这里保存。请用记事本等文本编辑器修改 "
         "Orvane.txt。原文件未改动，选项也未保存。");
    ui::set_focus(editor);
    return;
  }
  ui::set_visible(main_control(外形框_设置), false);
  tidy_settings_text();
  const std::string text = ui::text(editor);
  std::size_t bad = 0;
  const std::optional<std::string> gbk = utf8_to_gbk(text, &bad);
  if (!gbk) {
    // Nothing is written: the pane comes back with the user's text.
    ui::set_visible(main_control(外形框_设置), true);
    tell("第 " + std::to_string(line_of(text, bad)) +
         " 行含有无法保存的字符（GBK 编码不支持），请修改后再保存。倒计时事件文件和选项都未保存。");
    ui::set_focus(editor);
    return;
  }
  if (!sys::replace_file(event_file_path, *gbk)) {
    ui::set_visible(main_control(外形框_设置), true);
    // The options are written only after the list: they are not saved either.
    tell("无法保存倒计时事件文件 Orvane.txt，原文件未改动，选项也未保存。请检查该文件是否只读、程序目录是否可写。");
    ui::set_focus(editor);
    return;
  }
  build_board_text();
  const SettingsFile file = config();
  file.write_flag("autoactivate", ui::is_checked(main_control(选择框_程序缩至托盘后自动打开)));
  file.write("autoactivate_min", ui::text(main_control(编辑框_程序缩至托盘)));
}

void add_example_line() {
  const ui::Control editor = main_control(编辑框_设置);
  ui::set_text(editor, ui::text(editor) + "\r\n\r\n" + format_date_time(current_date_time()) +
                           "/完整格式示例。左斜杠前写日期，后写事件名称等。");
  ui::set_focus(editor);
}

void show_settings_help() {
  tell(
      "　　每行请设1条，以硬回车结束。格式：时间/事件名称。如：\r\n"
      "　　2012年12月21日0时0分0秒/世界末日\r\n"
      "　　如欲临时禁用某条内容，请在其所在行首加半角分号。如：\r\n"
      "　　;2012年12月21日0时0分0秒/世界末日\r\n"
      "　　请设置距今60年内的日期。\r\n"
      "　　程序目前不支持农历日期设置。如用户希望设置农历日期倒计时，可使用“万年历”工具把希望设置的农历日期转"
      "化为"
      "相应公历日期后再设置之。\r\n"
      "　　如需帮助请联系作者。");
}

void close_settings_pane() { ui::set_visible(main_control(外形框_设置), false); }

void on_auto_open_option_clicked() {
  if (ui::is_checked(main_control(选择框_程序缩至托盘后自动打开)))
    ui::set_focus(main_control(编辑框_程序缩至托盘));
}

void on_auto_refresh_clicked() {
  const ui::Control label = main_control(标签_设置成功);
  const bool on = ui::is_checked(main_control(选择框_自动刷新));
  start_refresh_timer_as_switched();
  ui::set_text(label, on ? "已设置自动刷新" : "已取消自动刷新");
  config().write_flag("autofresh", on);
  ui::set_visible(label, true);
  ui::set_period(main_timer(MainTimer::设置成功时钟), 3000);
  ui::set_focus(main_control(编辑框_显示));
}

void on_confirmation_tick() {
  ui::set_period(main_timer(MainTimer::设置成功时钟), 0);
  ui::set_visible(main_control(标签_设置成功), false);
}

void hide_expired_in_editor() {
  const ui::Control editor = main_control(编辑框_设置);
  ui::set_text_scroll_to_end(editor, hide_expired_events(ui::text(editor)));
}

void connect_settings_pane() {
  editor_holds_cut_list = false;
  ui::on_command(main_window, MainCommand::设置, open_settings_pane);
  ui::on_click(main_control(超级按钮_设置), save_settings);
  ui::on_click(main_control(超级按钮_新增一条), add_example_line);
  ui::on_mouse_down(main_control(确定1), show_settings_help);
  ui::on_mouse_down(main_control(标签4), close_settings_pane);
  ui::on_mouse_down(main_control(标签_设置标题栏), [] { ui::begin_drag(main_control(外形框_设置)); });
  ui::on_click(main_control(选择框_程序缩至托盘后自动打开), on_auto_open_option_clicked);
  ui::on_click(main_control(选择框_自动刷新), on_auto_refresh_clicked);
  ui::on_tick(main_timer(MainTimer::设置成功时钟), on_confirmation_tick);
  ui::on_mouse_down(main_control(标签1), hide_expired_in_editor);
  ui::set_char_filter(main_control(编辑框_程序缩至托盘), minutes_box_accepts);
  ui::set_tooltip(main_control(超级按钮_新增一条),
                  "单击后新增一条完整格式倒计时示例，您可在此基础上修改为自己喜欢的倒计时事件。");
}

}  // namespace orvane::app

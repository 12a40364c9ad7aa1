#include "app/backup.h"

#include <optional>
#include <string>

#include "app/board_view.h"
#include "app/main_window.h"
#include "platform/system.h"

namespace orvane::app {
namespace {

// The path confirmed last in either dialog: the next one starts with it.
std::string last_path;

ui::FileDialog event_list_dialog() {
  return ui::FileDialog{"配置|*.txt", sys::directory_of(event_file_path), last_path, "txt"};
}

constexpr std::string_view kRestoreFailed = "恢复倒计时数据失败！";
constexpr std::string_view kListUnchanged = "原有的倒计时数据未改动。";

}  // namespace

std::string backup_file_name(std::string_view chosen) {
  std::string name(chosen);
  if (!name.ends_with(".txt")) name += ".txt";
  return name;
}

void back_up_event_list() {
  const std::string chosen = ui::save_file_dialog(main_window, event_list_dialog());
  if (chosen.empty()) return;
  const std::string name = backup_file_name(chosen);
  last_path = name;
  // The dialog asked about overwriting only the name it returned.
  if (name != chosen && sys::file_exists(name) &&
      tell("文件“" + name + "”已存在，要覆盖它吗？", ui::Buttons::YesNo) != ui::Answer::Yes)
    return;
  // Copying the list onto itself would at best do nothing and at worst empty it.
  const bool copied = !sys::same_file(event_file_path, name) && sys::copy_file(event_file_path, name);
  tell(copied ? "备份倒计时数据成功！" : "未知原因，备份倒计时数据失败！");
}

void restore_event_list() {
  const std::string chosen = ui::open_file_dialog(main_window, event_list_dialog());
  if (chosen.empty()) return;
  last_path = chosen;
  if (sys::same_file(chosen, event_file_path)) {
    tell(std::string(kRestoreFailed) + "所选文件就是当前的倒计时数据文件 Orvane.txt。" +
         std::string(kListUnchanged));
    return;
  }
  const std::optional<std::string> bytes = sys::read_file(chosen);
  if (!bytes) {
    tell(std::string(kRestoreFailed) + "无法读取所选文件 - " + chosen + "\r\n" + std::string(kListUnchanged));
    return;
  }
  // Written beside Orvane.txt first, then swapped in whole: no half-written list.
  if (!sys::replace_file(event_file_path, *bytes)) {
    tell(std::string(kRestoreFailed) +
         "无法写入倒计时数据文件 Orvane.txt，请检查该文件是否只读、程序目录是否可写。" +
         std::string(kListUnchanged));
    return;
  }
  build_board_text();
  tell("调入已存方案成功 - " + chosen);
}

void connect_backup() {
  last_path.clear();
  ui::on_command(main_window, MainCommand::备份, back_up_event_list);
  ui::on_command(main_window, MainCommand::恢复, restore_event_list);
}

}  // namespace orvane::app

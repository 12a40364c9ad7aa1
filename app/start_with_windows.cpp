#include "app/start_with_windows.h"

#include <optional>
#include <string>

#include "app/main_window.h"
#include "platform/system.h"

namespace orvane::app {
namespace {

constexpr std::string_view kErrorTitle = "错误：";

constexpr std::string_view kDesktopQuestion =
    "　　设置开机自启失败！是否在桌面创建程序快捷方式？\r\n"
    "　　点是：尝试在桌面创建本程序的快捷方式；\r\n"
    "　　点否：什么也不做；\r\n"
    "　　点取消，今后遇到相同问题不再询问。";

constexpr std::string_view kFailureReport =
    "　　创建桌面快捷方式失败！建议您在程序图标上单击右键，选择“创建快捷方式”，之后再将此快捷方式剪切或拷贝至"
    "启动菜单"
    "组。\r\n"
    "　　确定后将打开程序所在目录以及启动菜单组，方便您操作。";

std::string run_directory() { return sys::directory_of(event_file_path); }

std::string link_file_name() { return std::string(kShortcutName) + ".lnk"; }

// The run directory and the name the executable runs under.
std::string program_path() { return sys::executable_path(); }

// The stored target, one trailing space dropped; "" when unreadable.
std::string stored_target(const std::string& lnk) {
  std::string target = sys::shortcut_target(lnk).value_or("");
  if (target.ends_with(' ')) target.pop_back();
  return target;
}

void tell_shell_created(const std::string& lnk) {
  sys::notify_shell(sys::ShellChange::FileCreated, lnk);
  sys::notify_shell(sys::ShellChange::FolderChanged, sys::directory_of(lnk));
}

bool create_startup_shortcut(const std::string& lnk) {
  const std::string program = program_path();
  if (!sys::file_exists(program) || !sys::create_shortcut(lnk, sys::Shortcut{program, {}, false}))
    return false;
  tell_shell_created(lnk);
  return true;
}

// After a failed create: the question, unless the user asked never to see it.
void offer_desktop_shortcut() {
  const std::string marker = run_directory() + "\\" + std::string(kNoQuestionMarker);
  if (sys::file_exists(marker)) return;
  switch (ui::message_box(main_window, kDesktopQuestion, kErrorTitle, ui::Buttons::YesNoCancel)) {
    case ui::Answer::Yes:
      create_desktop_shortcut();
      break;
    case ui::Answer::Cancel:
      sys::write_file(marker, "");
      break;
    default:
      break;
  }
}

}  // namespace

std::string startup_shortcut_path() {
  const std::string folder = sys::special_folder(sys::Folder::Startup);
  return folder.empty() ? std::string() : folder + "\\" + link_file_name();
}

bool startup_shortcut_exists() {
  const std::string lnk = startup_shortcut_path();
  return !lnk.empty() && sys::file_exists(lnk);
}

void enable_start_with_windows() {
  const std::string lnk = startup_shortcut_path();
  if (!lnk.empty() && sys::file_exists(lnk)) {
    if (stored_target(lnk) == program_path()) return;  // in order
    sys::delete_file(lnk);
  }
  // A link that stayed although it could not be rewritten points elsewhere:
  // that is a failure too.
  if (!lnk.empty() && create_startup_shortcut(lnk) && sys::file_exists(lnk)) return;
  offer_desktop_shortcut();
}

void disable_start_with_windows() {
  // The program never writes this value; it is removed for older versions, and
  // a missing value or a denied deletion does not matter.
  sys::registry_delete_run_value(kShortcutName);
  const std::string lnk = startup_shortcut_path();
  if (lnk.empty()) return;
  sys::delete_file(lnk);
  sys::notify_shell(sys::ShellChange::FolderChanged, sys::directory_of(lnk));
}

void on_start_with_windows_clicked() {
  if (ui::is_checked(main_control(MainControl::选择框_开机自启)))
    enable_start_with_windows();
  else
    disable_start_with_windows();
}

void create_desktop_shortcut() {
  const std::string desktop = sys::special_folder(sys::Folder::Desktop);
  const std::string lnk = desktop + "\\" + link_file_name();
  if (desktop.empty() ||
      !sys::create_shortcut(lnk, sys::Shortcut{program_path(), std::string(kShortcutName), true})) {
    report_shortcut_failure();
    return;
  }
  tell_shell_created(lnk);
}

void report_shortcut_failure() {
  ui::message_box(main_window, kFailureReport, kErrorTitle, ui::Buttons::Ok);
  sys::shell_open(run_directory() + "\\");
  const std::string startup = sys::special_folder(sys::Folder::Startup);
  if (!startup.empty()) sys::shell_open(startup);
}

void connect_start_with_windows() {
  ui::on_click(main_control(MainControl::选择框_开机自启), on_start_with_windows_clicked);
}

}  // namespace orvane::app

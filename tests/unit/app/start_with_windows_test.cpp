// "开机自启": the start-up shortcut made, repaired and removed by the check
// box, the question when it cannot be made, the desktop fallback and its
// failure report.
#include "app/start_with_windows.h"

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "app/settings_pane.h"
#include "app_fixture.h"

namespace orvane::memory {
void PrintTo(const ShellNotice& n, std::ostream* os) {
  *os << (n.change == sys::ShellChange::FileCreated ? "created " : "folder changed ") << n.path;
}
}  // namespace orvane::memory

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;
using sys::ShellChange;

constexpr const char* kQuestion =
    "　　设置开机自启失败！是否在桌面创建程序快捷方式？\r\n"
    "　　点是：尝试在桌面创建本程序的快捷方式；\r\n"
    "　　点否：什么也不做；\r\n"
    "　　点取消，今后遇到相同问题不再询问。";
constexpr const char* kFailureReport =
    "　　创建桌面快捷方式失败！建议您在程序图标上单击右键，选择“创建快捷方式”，之后再将此快捷方式剪切或拷贝至"
    "启动菜单组。"
    "\r\n"
    "　　确定后将打开程序所在目录以及启动菜单组，方便您操作。";

class StartWithWindows : public AppTest {
 protected:
  void SetUp() override {
    write("Orvane.exe", "MZ");
    fs::create_directories(startup_);
    fs::create_directories(desktop_);
    memory::set_special_folder(sys::Folder::Startup, startup_.string());
    memory::set_special_folder(sys::Folder::Desktop, desktop_.string());
    start();
    ASSERT_TRUE(memory::choose_menu_item(app::more_menu(), MainCommand::设置));
  }
  // Ticks or clears the box with one click, as the user does.
  void set_box(bool on) {
    ASSERT_NE(ui::is_checked(c(选择框_开机自启)), on);
    memory::click(c(选择框_开机自启));
  }
  std::string program() const { return (dir_ / "Orvane.exe").string(); }
  std::string startup_lnk() const { return (startup_ / "Kelu倒计时.lnk").string(); }
  std::string desktop_lnk() const { return (desktop_ / "Kelu倒计时.lnk").string(); }
  std::optional<std::string> startup_target() const {
    const auto link = memory::shortcut(startup_lnk());
    return link ? std::optional(link->target) : std::nullopt;
  }

  fs::path startup_ = dir_ / "startup";
  fs::path desktop_ = dir_ / "desktop";
};

TEST_F(StartWithWindows, TickingCreatesTheStartupShortcutSilently) {
  EXPECT_FALSE(ui::is_checked(c(选择框_开机自启)));
  set_box(true);
  const auto link = memory::shortcut(startup_lnk());
  ASSERT_TRUE(link.has_value());
  EXPECT_EQ(link->target, program());
  EXPECT_EQ(link->description, "");
  EXPECT_FALSE(link->show_normal);
  EXPECT_TRUE(memory::messages().empty());
  const std::vector<memory::ShellNotice> notices{
      {ShellChange::FileCreated, startup_.string() + "\\Kelu倒计时.lnk"},
      {ShellChange::FolderChanged, startup_.string()}};
  EXPECT_EQ(memory::shell_notices(), notices);
  // The pane shows the shortcut's existence at its next opening.
  ui::set_checked(c(选择框_开机自启), false);
  app::open_settings_pane();
  EXPECT_TRUE(ui::is_checked(c(选择框_开机自启)));
}

// A start-up shortcut that is already there when the box is ticked.
struct ExistingLink {
  const char* name;
  const char* target_suffix;  // appended to the program path; nullptr: not a link at all
  bool replaced;
};

class ExistingShortcut : public StartWithWindows, public ::testing::WithParamInterface<ExistingLink> {};

TEST_P(ExistingShortcut, IsKeptWhenItPointsToTheProgramAndReplacedOtherwise) {
  const ExistingLink& p = GetParam();
  if (p.target_suffix)
    ASSERT_TRUE(sys::create_shortcut(startup_lnk(), sys::Shortcut{program() + p.target_suffix, {}, false}));
  else
    write("startup/Kelu倒计时.lnk", "not a link");
  const auto before = startup_target();
  set_box(true);
  EXPECT_EQ(startup_target(), p.replaced ? std::optional(program()) : before);
  EXPECT_EQ(memory::shell_notices().empty(), !p.replaced);
  EXPECT_TRUE(memory::messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Targets, ExistingShortcut,
                         ::testing::Values(ExistingLink{"TheProgram", "", false},
                                           ExistingLink{"TheProgramWithOneTrailingSpace", " ", false},
                                           ExistingLink{"TwoTrailingSpaces", "  ", true},
                                           ExistingLink{"AnotherPath", ".old", true},
                                           ExistingLink{"Unreadable", nullptr, true}),
                         [](const auto& case_info) { return std::string(case_info.param.name); });

TEST_F(StartWithWindows, ProgramPathComparedByteForByte) {
  std::string upper = program();
  upper.replace(upper.size() - 10, 10, "ORVANE.EXE");
  ASSERT_TRUE(sys::create_shortcut(startup_lnk(), sys::Shortcut{upper, {}, false}));
  set_box(true);
  EXPECT_EQ(startup_target(), program());
}

// Ways the start-up shortcut cannot be made; each asks the question.
enum class StartupFault { FolderMissing, NoStartupFolder, ProgramMissing, WritesFail };

class FailedStartupShortcut : public StartWithWindows, public ::testing::WithParamInterface<StartupFault> {
 protected:
  void break_startup() {
    switch (GetParam()) {
      case StartupFault::FolderMissing:
        fs::remove_all(startup_);
        break;
      case StartupFault::NoStartupFolder:
        memory::set_special_folder(sys::Folder::Startup, "");
        break;
      case StartupFault::ProgramMissing:
        fs::remove(file("Orvane.exe"));
        break;
      case StartupFault::WritesFail:
        memory::fail_file_writes(true);
        break;
    }
  }
};

TEST_P(FailedStartupShortcut, AsksWhetherToPutOneOnTheDesktop) {
  break_startup();
  memory::answer_next(ui::Answer::No);
  set_box(true);
  ASSERT_EQ(memory::messages().size(), 1u);
  EXPECT_EQ(memory::messages()[0].text, kQuestion);
  EXPECT_EQ(memory::messages()[0].title, "错误：");
  EXPECT_EQ(memory::messages()[0].buttons, ui::Buttons::YesNoCancel);
  EXPECT_EQ(memory::message_owners()[0], app::main_window);
  EXPECT_FALSE(memory::shortcut(startup_lnk()));
  EXPECT_FALSE(fs::exists(desktop_lnk())) << "No does nothing";
  EXPECT_FALSE(exists("shortcut.ini"));
  EXPECT_TRUE(ui::is_checked(c(选择框_开机自启))) << "the box shows the click until the next opening";
}

INSTANTIATE_TEST_SUITE_P(Faults, FailedStartupShortcut,
                         ::testing::Values(StartupFault::FolderMissing, StartupFault::NoStartupFolder,
                                           StartupFault::ProgramMissing, StartupFault::WritesFail),
                         [](const auto& case_info) {
                           switch (case_info.param) {
                             case StartupFault::FolderMissing:
                               return std::string("FolderMissing");
                             case StartupFault::NoStartupFolder:
                               return std::string("NoStartupFolder");
                             case StartupFault::ProgramMissing:
                               return std::string("ProgramMissing");
                             case StartupFault::WritesFail:
                               return std::string("WritesFail");
                           }
                           return std::string();
                         });

// A link that cannot be deleted nor rewritten still points elsewhere.
TEST_F(StartWithWindows, ALinkThatCannotBeReplacedIsAFailure) {
  ASSERT_TRUE(sys::create_shortcut(startup_lnk(), sys::Shortcut{"C:\\old\\Orvane.exe", {}, false}));
  memory::fail_file_writes(true);
  memory::answer_next(ui::Answer::No);
  set_box(true);
  memory::fail_file_writes(false);
  EXPECT_EQ(startup_target(), "C:\\old\\Orvane.exe");
  ASSERT_EQ(memory::messages().size(), 1u);
  EXPECT_EQ(memory::messages()[0].text, kQuestion);
}

TEST_F(StartWithWindows, YesPutsAShortcutOnTheDesktop) {
  fs::remove_all(startup_);
  memory::answer_next(ui::Answer::Yes);
  set_box(true);
  const auto link = memory::shortcut(desktop_lnk());
  ASSERT_TRUE(link.has_value());
  EXPECT_EQ(link->target, program());
  EXPECT_EQ(link->description, "Kelu倒计时");
  EXPECT_TRUE(link->show_normal);
  EXPECT_EQ(memory::messages().size(), 1u) << "success is silent";
  EXPECT_TRUE(memory::shell_opened().empty());
}

TEST_F(StartWithWindows, CancelSilencesTheQuestionWhileShortcutIniExists) {
  fs::remove_all(startup_);
  memory::answer_next(ui::Answer::Cancel);
  set_box(true);
  ASSERT_EQ(memory::messages().size(), 1u);
  EXPECT_EQ(read("shortcut.ini"), "");
  EXPECT_FALSE(fs::exists(desktop_lnk()));
  set_box(false);
  set_box(true);
  EXPECT_EQ(memory::messages().size(), 1u) << "asked once only";
  fs::remove(file("shortcut.ini"));
  set_box(false);
  set_box(true);
  EXPECT_EQ(memory::messages().size(), 2u);
}

// The desktop shortcut cannot be made either: the report, then the run
// directory and the Startup folder open in the shell.
enum class DesktopFault { FolderMissing, NoDesktopFolder };

class FailedDesktopShortcut : public StartWithWindows, public ::testing::WithParamInterface<DesktopFault> {};

TEST_P(FailedDesktopShortcut, ReportsAndOpensBothFolders) {
  // The Startup folder exists but the link cannot be written in it.
  fs::remove(file("Orvane.exe"));
  if (GetParam() == DesktopFault::FolderMissing)
    fs::remove_all(desktop_);
  else
    memory::set_special_folder(sys::Folder::Desktop, "");
  memory::answer_next(ui::Answer::Yes);
  set_box(true);
  ASSERT_EQ(memory::messages().size(), 2u);
  EXPECT_EQ(memory::messages()[1].text, kFailureReport);
  EXPECT_EQ(memory::messages()[1].title, "错误：");
  EXPECT_EQ(memory::messages()[1].buttons, ui::Buttons::Ok);
  const std::vector<std::string> opened{dir_.string() + "\\", startup_.string()};
  EXPECT_EQ(memory::shell_opened(), opened);
}

INSTANTIATE_TEST_SUITE_P(Faults, FailedDesktopShortcut,
                         ::testing::Values(DesktopFault::FolderMissing, DesktopFault::NoDesktopFolder),
                         [](const auto& case_info) {
                           return std::string(case_info.param == DesktopFault::FolderMissing
                                                  ? "FolderMissing"
                                                  : "NoDesktopFolder");
                         });

TEST_F(StartWithWindows, ClearingRemovesTheStartupShortcutAndTheRunValueOnly) {
  set_box(true);
  ASSERT_TRUE(sys::create_shortcut(desktop_lnk(), sys::Shortcut{program(), "Kelu倒计时", true}));
  memory::set_run_value("Kelu倒计时");
  memory::set_run_value("Other");
  set_box(false);
  EXPECT_FALSE(fs::exists(startup_lnk()));
  EXPECT_TRUE(memory::shortcut(desktop_lnk())) << "the desktop shortcut stays";
  EXPECT_FALSE(memory::run_value_exists("Kelu倒计时"));
  EXPECT_TRUE(memory::run_value_exists("Other"));
  EXPECT_EQ(memory::shell_notices().back(),
            (memory::ShellNotice{ShellChange::FolderChanged, startup_.string()}));
  EXPECT_TRUE(memory::messages().empty());
  app::open_settings_pane();
  EXPECT_FALSE(ui::is_checked(c(选择框_开机自启)));
}

TEST_F(StartWithWindows, ClearingIgnoresEveryFailure) {
  memory::set_run_value("Kelu倒计时");
  memory::deny_registry_writes(true);
  set_box(true);
  set_box(false);
  EXPECT_FALSE(fs::exists(startup_lnk())) << "a denied Run value does not stop the removal";
  app::disable_start_with_windows();  // nothing left to remove
  memory::set_special_folder(sys::Folder::Startup, "");
  app::disable_start_with_windows();
  EXPECT_TRUE(memory::messages().empty());
}

}  // namespace
}  // namespace orvane::testing

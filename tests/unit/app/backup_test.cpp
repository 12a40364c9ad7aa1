// "备份" and "恢复": the dialogs as the user meets them, the copies, the
// messages, and Orvane.txt kept whole on every failure.
#include "app/backup.h"

#include <filesystem>
#include <string>

#include "app_fixture.h"

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kBackedUp = "备份倒计时数据成功！";
constexpr const char* kBackupFailed = "未知原因，备份倒计时数据失败！";

class Backup : public AppTest {
 protected:
  void SetUp() override {
    write_gbk("Orvane.txt", kList);
    start();
    board_ = text_of(编辑框_显示);
  }
  // A file of the run directory as the program spells paths.
  std::string path(const std::string& name) const { return dir_.string() + "\\" + name; }
  void back_up(const std::string& answer) {
    memory::answer_next_file_dialog(answer);
    ASSERT_TRUE(memory::choose_menu_item(app::more_menu(), MainCommand::备份));
  }
  void restore(const std::string& answer) {
    memory::answer_next_file_dialog(answer);
    ASSERT_TRUE(memory::choose_menu_item(app::more_menu(), MainCommand::恢复));
  }
  std::string last_message() const {
    return memory::messages().empty() ? std::string("(none)") : memory::messages().back().text;
  }

  static constexpr const char* kList = "2031年1月1日/原 有\r\n;注释";
  std::string board_;
};

TEST(BackupName, AppendsTxtUnlessTheNameEndsInExactlyTxt) {
  EXPECT_EQ(app::backup_file_name("C:\\b\\events"), "C:\\b\\events.txt");
  EXPECT_EQ(app::backup_file_name("C:\\b\\events.TXT"), "C:\\b\\events.TXT.txt");
  EXPECT_EQ(app::backup_file_name("C:\\b\\events.txt"), "C:\\b\\events.txt");
  EXPECT_EQ(app::backup_file_name("C:\\b\\events.txt.old"), "C:\\b\\events.txt.old.txt");
}

TEST_F(Backup, CopiesTheListByteForByte) {
  back_up(path("events"));
  EXPECT_EQ(read("events.txt"), read("Orvane.txt"));
  EXPECT_FALSE(exists("events"));
  ASSERT_EQ(memory::messages().size(), 1u);
  EXPECT_EQ(memory::messages()[0].text, kBackedUp);
  EXPECT_EQ(memory::messages()[0].title, "Kelu软件之倒计时牌");
  EXPECT_EQ(memory::message_owners()[0], app::main_window);

  ASSERT_EQ(memory::file_dialogs_shown().size(), 1u);
  const memory::FileDialogShown& shown = memory::file_dialogs_shown()[0];
  EXPECT_TRUE(shown.save);
  EXPECT_EQ(shown.owner, app::main_window);
  EXPECT_EQ(shown.dialog.filter, "配置|*.txt");
  EXPECT_EQ(shown.dialog.initial_folder, dir_.string());
  EXPECT_EQ(shown.dialog.file_name, "") << "nothing confirmed yet";
  EXPECT_EQ(shown.dialog.default_extension, "txt");
}

TEST_F(Backup, CancelDoesNothing) {
  back_up("");
  restore("");
  EXPECT_TRUE(memory::messages().empty());
  EXPECT_EQ(memory::file_dialogs_shown().size(), 2u);
  EXPECT_EQ(text_of(编辑框_显示), board_);
  EXPECT_EQ(read_utf8("Orvane.txt"), kList);
}

TEST_F(Backup, OverwritesTheFileTheDialogConfirmed) {
  write("old.txt", "older backup");
  back_up(path("old.txt"));
  EXPECT_EQ(read("old.txt"), read("Orvane.txt"));
  EXPECT_EQ(last_message(), kBackedUp);
}

// The dialog asked about "events.TXT", but the backup goes to events.TXT.txt.
TEST_F(Backup, AsksBeforeOverwritingUnderTheAppendedName) {
  write("events.TXT.txt", "keep me");
  memory::answer_next(ui::Answer::No);
  back_up(path("events.TXT"));
  ASSERT_EQ(memory::messages().size(), 1u);
  EXPECT_EQ(memory::messages()[0].buttons, ui::Buttons::YesNo);
  EXPECT_NE(memory::messages()[0].text.find(path("events.TXT.txt")), std::string::npos);
  EXPECT_EQ(read("events.TXT.txt"), "keep me");

  memory::answer_next(ui::Answer::Yes);
  back_up(path("events.TXT"));
  EXPECT_EQ(read("events.TXT.txt"), read("Orvane.txt"));
  EXPECT_EQ(last_message(), kBackedUp);
}

enum class BackupFault { NoEventList, NoSuchFolder, WritesFail };

class FailedBackup : public Backup, public ::testing::WithParamInterface<BackupFault> {};

TEST_P(FailedBackup, SaysTheBackupFailed) {
  std::string target = path("a.txt");
  switch (GetParam()) {
    case BackupFault::NoEventList:
      fs::remove(file("Orvane.txt"));
      break;
    case BackupFault::NoSuchFolder:
      target = path("missing\\a.txt");
      break;
    case BackupFault::WritesFail:
      memory::fail_file_writes(true);
      break;
  }
  back_up(target);
  memory::fail_file_writes(false);
  ASSERT_EQ(memory::messages().size(), 1u);
  EXPECT_EQ(last_message(), kBackupFailed);
  EXPECT_FALSE(exists("a.txt"));
}

INSTANTIATE_TEST_SUITE_P(Faults, FailedBackup,
                         ::testing::Values(BackupFault::NoEventList, BackupFault::NoSuchFolder,
                                           BackupFault::WritesFail),
                         [](const auto& case_info) {
                           switch (case_info.param) {
                             case BackupFault::NoEventList:
                               return std::string("NoEventList");
                             case BackupFault::NoSuchFolder:
                               return std::string("NoSuchFolder");
                             case BackupFault::WritesFail:
                               return std::string("WritesFail");
                           }
                           return std::string();
                         });

TEST_F(Backup, RestoreReplacesTheListUnchangedAndRebuildsTheBoard) {
  // Spaces stay: a restore does not tidy.
  write_gbk("saved.txt", "2032年2月2日/恢 复　的");
  restore(path("saved.txt"));
  EXPECT_EQ(read("Orvane.txt"), read("saved.txt"));
  EXPECT_FALSE(exists("Orvane.txt.new"));
  EXPECT_NE(text_of(编辑框_显示).find("2032年2月2日/恢 复　的"), std::string::npos) << text_of(编辑框_显示);
  ASSERT_EQ(memory::messages().size(), 1u);
  EXPECT_EQ(memory::messages()[0].text, "调入已存方案成功 - " + path("saved.txt"));
  EXPECT_EQ(memory::messages()[0].title, "Kelu软件之倒计时牌");
  ASSERT_EQ(memory::file_dialogs_shown().size(), 1u);
  EXPECT_FALSE(memory::file_dialogs_shown()[0].save);
  EXPECT_EQ(memory::file_dialogs_shown()[0].dialog.filter, "配置|*.txt");
  EXPECT_EQ(memory::file_dialogs_shown()[0].dialog.initial_folder, dir_.string());
}

TEST_F(Backup, EachDialogStartsWithThePathConfirmedLast) {
  back_up(path("events"));
  restore("");  // cancelled: remembers nothing
  write("other.txt", "x");
  restore(path("other.txt"));
  back_up("");
  const auto& shown = memory::file_dialogs_shown();
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(shown[1].dialog.file_name, path("events.txt")) << "the backup's path";
  EXPECT_EQ(shown[2].dialog.file_name, path("events.txt"));
  EXPECT_EQ(shown[3].dialog.file_name, path("other.txt"));
  for (const auto& s : shown) EXPECT_EQ(s.dialog.initial_folder, dir_.string());
}

// Orvane.txt itself, chosen for either action under another spelling: it is
// never copied onto itself, and the message says the action failed.
struct SameFileCase {
  const char* name;
  const char* spelling;  // of the run directory's Orvane.txt
};

class SameFile : public Backup, public ::testing::WithParamInterface<SameFileCase> {};

TEST_P(SameFile, BackupFailsAndKeepsTheList) {
  fs::create_directory(file("sub"));
  fs::create_symlink(file("Orvane.txt"), file("link.txt"));
  fs::create_hard_link(file("Orvane.txt"), file("hard.txt"));
  const auto before = read("Orvane.txt");
  back_up(path(GetParam().spelling));
  EXPECT_EQ(last_message(), kBackupFailed);
  EXPECT_EQ(read("Orvane.txt"), before);
}

TEST_P(SameFile, RestoreFailsAndKeepsTheListAndTheBoard) {
  fs::create_directory(file("sub"));
  fs::create_symlink(file("Orvane.txt"), file("link.txt"));
  fs::create_hard_link(file("Orvane.txt"), file("hard.txt"));
  const auto before = read("Orvane.txt");
  std::string chosen = path(GetParam().spelling);
  if (!chosen.ends_with(".txt")) chosen += ".txt";  // the open dialog returns an existing file
  restore(chosen);
  EXPECT_NE(last_message().find("恢复倒计时数据失败"), std::string::npos) << last_message();
  EXPECT_NE(last_message().find("Orvane.txt"), std::string::npos) << last_message();
  EXPECT_EQ(read("Orvane.txt"), before);
  EXPECT_EQ(text_of(编辑框_显示), board_);
}

INSTANTIATE_TEST_SUITE_P(Spellings, SameFile,
                         ::testing::Values(SameFileCase{"Plain", "Orvane.txt"},
                                           SameFileCase{"WithoutExtension", "Orvane"},
                                           SameFileCase{"DotFolder", ".\\Orvane.txt"},
                                           SameFileCase{"ParentFolder", "sub\\..\\Orvane.txt"},
                                           SameFileCase{"SymbolicLink", "link.txt"},
                                           SameFileCase{"HardLink", "hard.txt"}),
                         [](const auto& case_info) { return std::string(case_info.param.name); });

enum class RestoreFault { Unreadable, ReadOnlyList, WritesFail };

class FailedRestore : public Backup, public ::testing::WithParamInterface<RestoreFault> {};

TEST_P(FailedRestore, KeepsTheListAndTheBoardAndSaysSo) {
  write_gbk("saved.txt", "2032年2月2日/新");
  std::string chosen = path("saved.txt");
  switch (GetParam()) {
    case RestoreFault::Unreadable:
      chosen = path("gone.txt");  // removed after the dialog closed
      break;
    case RestoreFault::ReadOnlyList:
      fs::permissions(file("Orvane.txt"), fs::perms::owner_write, fs::perm_options::remove);
      break;
    case RestoreFault::WritesFail:
      memory::fail_file_writes(true);
      break;
  }
  const auto before = read("Orvane.txt");
  restore(chosen);
  memory::fail_file_writes(false);
  ASSERT_EQ(memory::messages().size(), 1u);
  EXPECT_NE(last_message().find("恢复倒计时数据失败"), std::string::npos) << last_message();
  EXPECT_EQ(memory::messages()[0].title, "Kelu软件之倒计时牌");
  EXPECT_EQ(read("Orvane.txt"), before);
  EXPECT_FALSE(exists("Orvane.txt.new"));
  EXPECT_EQ(text_of(编辑框_显示), board_);
}

INSTANTIATE_TEST_SUITE_P(Faults, FailedRestore,
                         ::testing::Values(RestoreFault::Unreadable, RestoreFault::ReadOnlyList,
                                           RestoreFault::WritesFail),
                         [](const auto& case_info) {
                           switch (case_info.param) {
                             case RestoreFault::Unreadable:
                               return std::string("Unreadable");
                             case RestoreFault::ReadOnlyList:
                               return std::string("ReadOnlyList");
                             case RestoreFault::WritesFail:
                               return std::string("WritesFail");
                           }
                           return std::string();
                         });

}  // namespace
}  // namespace orvane::testing

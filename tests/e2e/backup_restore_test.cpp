// "备份" and "恢复" on the real program: the system's common dialogs driven
// as a user would (the file name typed, OK pressed), the files' bytes and the
// board checked.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/harness.h"

namespace orvane::e2e {
namespace {

// Control ids of the common dialogs (dlgs.h): the file name box is a combo box
// (cmb13) in newer dialogs and an edit box (edt1) in older ones.
constexpr int kFileNameCombo = 0x47c;
constexpr int kFileNameEdit = 0x480;

// Visible dialog-class windows of the process.
std::vector<HWND> dialogs_of(DWORD pid) {
  std::vector<HWND> found;
  for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == pid && IsWindowVisible(w) && class_name(w) == "#32770") found.push_back(w);
  }
  return found;
}

HWND file_name_box(HWND dialog) {
  if (HWND combo = GetDlgItem(dialog, kFileNameCombo)) return combo;
  return GetDlgItem(dialog, kFileNameEdit);
}

// The open or save dialog of the process, once it is up.
HWND wait_for_file_dialog(DWORD pid, Millis timeout = Millis{10000}) {
  HWND found = nullptr;
  wait_until(
      [&] {
        for (HWND w : dialogs_of(pid))
          if (file_name_box(w) != nullptr) found = w;
        return found != nullptr;
      },
      timeout);
  return found;
}

// Types the path into the file name box and presses OK.
void choose(HWND dialog, std::string_view path) {
  const std::wstring text = widen(path);
  SendMessageW(file_name_box(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  click_button(GetDlgItem(dialog, IDOK));
}

// Answers the dialog's own question about replacing a file with Yes.
bool confirm_overwrite(DWORD pid, HWND file_dialog) {
  HWND question = nullptr;
  wait_until(
      [&] {
        for (HWND w : dialogs_of(pid))
          if (w != file_dialog && GetDlgItem(w, IDYES) != nullptr) question = w;
        return question != nullptr;
      },
      Millis{10000});
  if (question == nullptr) return false;
  click_button(GetDlgItem(question, IDYES));
  return true;
}

// The program's message: its texts joined by "|"; closed afterwards.
std::string answer_message(DWORD pid) {
  HWND box = wait_for_top_window(kProductName, pid, Millis{10000});
  if (box == nullptr) return "(no message)";
  std::string texts;
  for (HWND child : child_windows(box)) texts += window_text(child) + "|";
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  wait_until([&] { return top_windows(kProductName, pid).empty(); });
  return texts;
}

bool contains(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }

class BackupRestore : public ::testing::Test {
 protected:
  void SetUp() override {
    run_.start();
    main_ = run_.main_window();
    ASSERT_NE(main_, nullptr);
    board_ = run_.control(编辑框_显示);
    ASSERT_TRUE(wait_until([&] { return shows_board(board_); }));
    pid_ = run_.process().id();
  }
  std::string path(std::string_view name) {
    return narrow(run_.dir().path().wstring()) + "\\" + std::string(name);
  }
  HWND open_dialog(MainCommand command) {
    post_command(main_, command);
    HWND dialog = wait_for_file_dialog(pid_);
    EXPECT_NE(dialog, nullptr) << "no file dialog";
    return dialog;
  }

  OrvaneRun run_;
  HWND main_ = nullptr, board_ = nullptr;
  DWORD pid_ = 0;
};

TEST_F(BackupRestore, BackupThenRestoreThroughTheRealDialogs) {
  HWND dialog = open_dialog(MainCommand::备份);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(window_text(file_name_box(dialog)), "") << "nothing confirmed yet";
  screenshot("backup-dialog");
  choose(dialog, path("backup"));
  EXPECT_TRUE(contains(answer_message(pid_), "备份倒计时数据成功！"));
  EXPECT_EQ(run_.dir().read("backup.txt"), utf8_to_gbk(kDefaultList));

  const std::string saved = utf8_to_gbk("2035年5月5日/恢复 的　事件\r\n;注释");
  run_.dir().write("saved.txt", saved);
  dialog = open_dialog(MainCommand::恢复);
  ASSERT_NE(dialog, nullptr);
  const std::string shown = window_text(file_name_box(dialog));
  EXPECT_TRUE(contains(shown, "backup.txt")) << "the last backup's path: " << shown;
  screenshot("restore-dialog");
  choose(dialog, path("saved.txt"));
  const std::string message = answer_message(pid_);
  EXPECT_TRUE(contains(message, "调入已存方案成功 - ")) << message;
  EXPECT_TRUE(contains(message, "saved.txt")) << message;
  EXPECT_EQ(run_.dir().read("Orvane.txt"), saved) << "copied unchanged, spaces and all";
  EXPECT_FALSE(run_.dir().exists("Orvane.txt.new"));
  EXPECT_TRUE(wait_until([&] { return contains(window_text(board_), "2035年5月5日/恢复 的　事件"); }))
      << window_text(board_);
}

TEST_F(BackupRestore, BackupOntoAnExistingFileAsksFirst) {
  run_.dir().write("old.txt", "older backup");
  HWND dialog = open_dialog(MainCommand::备份);
  ASSERT_NE(dialog, nullptr);
  choose(dialog, path("old.txt"));
  ASSERT_TRUE(confirm_overwrite(pid_, dialog)) << "the dialog did not ask";
  EXPECT_TRUE(contains(answer_message(pid_), "备份倒计时数据成功！"));
  EXPECT_EQ(run_.dir().read("old.txt"), utf8_to_gbk(kDefaultList));
}

// Orvane.txt spelled in lower case is still Orvane.txt on Windows: neither
// action copies it onto itself, and both say they failed.
TEST_F(BackupRestore, OrvaneTxtItselfIsRefusedForBothActions) {
  const auto before = run_.dir().read("Orvane.txt");
  HWND dialog = open_dialog(MainCommand::备份);
  ASSERT_NE(dialog, nullptr);
  choose(dialog, path("orvane.txt"));
  ASSERT_TRUE(confirm_overwrite(pid_, dialog));
  EXPECT_TRUE(contains(answer_message(pid_), "未知原因，备份倒计时数据失败！"));
  EXPECT_EQ(run_.dir().read("Orvane.txt"), before);

  dialog = open_dialog(MainCommand::恢复);
  ASSERT_NE(dialog, nullptr);
  choose(dialog, path("ORVANE.TXT"));
  const std::string message = answer_message(pid_);
  EXPECT_TRUE(contains(message, "恢复倒计时数据失败")) << message;
  EXPECT_EQ(run_.dir().read("Orvane.txt"), before);
}

TEST_F(BackupRestore, RestoreOntoAReadOnlyListChangesNothing) {
  run_.dir().write("saved.txt", utf8_to_gbk("2035年5月5日/新"));
  const auto before = run_.dir().read("Orvane.txt");
  const std::wstring list = run_.dir().file("Orvane.txt").wstring();
  ASSERT_TRUE(SetFileAttributesW(list.c_str(), FILE_ATTRIBUTE_READONLY));
  const std::string board = window_text(board_);
  HWND dialog = open_dialog(MainCommand::恢复);
  ASSERT_NE(dialog, nullptr);
  choose(dialog, path("saved.txt"));
  const std::string message = answer_message(pid_);
  EXPECT_TRUE(contains(message, "恢复倒计时数据失败")) << message;
  EXPECT_EQ(run_.dir().read("Orvane.txt"), before);
  EXPECT_EQ(GetFileAttributesW(list.c_str()) & FILE_ATTRIBUTE_READONLY,
            static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(run_.dir().exists("Orvane.txt.new"));
  EXPECT_FALSE(contains(window_text(board_), "/新"));
  SetFileAttributesW(list.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// The name field starts with the last path even when its folder has gone
// since: the dialog still opens.
TEST_F(BackupRestore, DialogOpensAfterTheLastFolderWasRemoved) {
  const std::filesystem::path sub = run_.dir().path() / L"sub";
  ASSERT_TRUE(std::filesystem::create_directory(sub));
  HWND dialog = open_dialog(MainCommand::备份);
  ASSERT_NE(dialog, nullptr);
  choose(dialog, path("sub\\b.txt"));
  EXPECT_TRUE(contains(answer_message(pid_), "备份倒计时数据成功！"));
  std::filesystem::remove_all(sub);

  dialog = open_dialog(MainCommand::恢复);
  ASSERT_NE(dialog, nullptr) << "no dialog for a last path in a removed folder";
  click_button(GetDlgItem(dialog, IDCANCEL));
  EXPECT_TRUE(wait_until([&] { return wait_for_file_dialog(pid_, Millis{0}) == nullptr; }));
  EXPECT_TRUE(top_windows(kProductName, pid_).empty()) << "a cancelled restore says nothing";
}

}  // namespace
}  // namespace orvane::e2e

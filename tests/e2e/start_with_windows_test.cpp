// "开机自启" on the real program: a real shell link in Wine's Startup folder,
// read back through IShellLinkW, and removed again without touching the
// desktop shortcut of the same name.
#include "tests/e2e/harness.h"
// after windows.h
#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <filesystem>
#include <optional>
#include <string>

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

constexpr std::wstring_view kLinkName = L"Kelu倒计时.lnk";

fs::path special_folder(int csidl) {
  wchar_t buf[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, buf)))
    return {};
  return fs::path(buf);
}

// One COM apartment for the test's link calls.
class ComScope {
 public:
  ComScope() : ok_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComScope() {
    if (ok_) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool ok_;
};

template <typename T>
void release(T*& p) {
  if (p != nullptr) p->Release();
  p = nullptr;
}

// The target path stored in a link file, read as Explorer reads it.
std::optional<std::wstring> link_target(const fs::path& lnk) {
  IShellLinkW* link = nullptr;
  IPersistFile* file = nullptr;
  std::optional<std::wstring> target;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&link))) &&
      SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
      SUCCEEDED(file->Load(lnk.c_str(), STGM_READ))) {
    wchar_t buf[MAX_PATH] = {};
    if (SUCCEEDED(link->GetPath(buf, MAX_PATH, nullptr, 0))) target = buf;
  }
  release(file);
  release(link);
  return target;
}

bool write_link(const fs::path& lnk, const fs::path& target) {
  IShellLinkW* link = nullptr;
  IPersistFile* file = nullptr;
  const bool ok = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                             reinterpret_cast<void**>(&link))) &&
                  SUCCEEDED(link->SetPath(target.c_str())) &&
                  SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
                  SUCCEEDED(file->Save(lnk.c_str(), TRUE));
  release(file);
  release(link);
  return ok;
}

struct LinkFacts {
  std::wstring target, description;
  int show = 0;
};

std::optional<LinkFacts> link_facts(const fs::path& lnk) {
  IShellLinkW* link = nullptr;
  IPersistFile* file = nullptr;
  std::optional<LinkFacts> facts;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&link))) &&
      SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
      SUCCEEDED(file->Load(lnk.c_str(), STGM_READ))) {
    wchar_t path[MAX_PATH] = {}, description[MAX_PATH] = {};
    int show = 0;
    if (SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, 0)) &&
        SUCCEEDED(link->GetDescription(description, MAX_PATH)) && SUCCEEDED(link->GetShowCmd(&show)))
      facts = LinkFacts{path, description, show};
  }
  release(file);
  release(link);
  return facts;
}

constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

bool set_run_value(std::wstring_view name, std::wstring_view data) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return false;
  const std::wstring value(data);
  const LSTATUS s =
      RegSetValueExW(key, std::wstring(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
  return s == ERROR_SUCCESS;
}

bool run_value_exists(std::wstring_view name) {
  return RegGetValueW(HKEY_LOCAL_MACHINE, kRunKey, std::wstring(name).c_str(), RRF_RT_ANY, nullptr, nullptr,
                      nullptr) == ERROR_SUCCESS;
}

bool is_checked(HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

class StartWithWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    startup_ = special_folder(CSIDL_STARTUP);
    desktop_ = special_folder(CSIDL_DESKTOPDIRECTORY);
    ASSERT_FALSE(startup_.empty());
    ASSERT_FALSE(desktop_.empty());
    std::error_code ec;
    fs::remove(startup_ / kLinkName, ec);
    fs::remove(desktop_ / kLinkName, ec);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove(startup_ / kLinkName, ec);  // a link, or a folder in its place
    fs::remove(desktop_ / kLinkName, ec);
  }

  // Opens the settings pane through "更多菜单" ("设置" is its first item).
  void open_pane() {
    click_button(run_.control(窗口更多按钮));
    HWND menu = wait_for_popup_menu(run_.process().id());
    ASSERT_NE(menu, nullptr) << "the menu did not pop up";
    PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(wait_until([&] { return is_visible(run_.control(外形框_设置)); }, Millis{10000}));
    // The pane shows before it reads the Startup folder: a message sent now is
    // handled once the opening has ended.
    DWORD_PTR result = 0;
    SendMessageTimeoutW(run_.main_window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &result);
  }

  ComScope com_;
  OrvaneRun run_;
  fs::path startup_, desktop_;
};

TEST_F(StartWithWindows, TickingMakesARealStartupLinkAndClearingRemovesIt) {
  run_.start();
  ASSERT_NE(run_.main_window(), nullptr);
  open_pane();
  HWND box = run_.control(选择框_开机自启);
  EXPECT_FALSE(is_checked(box));

  click_button(box);
  const fs::path lnk = startup_ / kLinkName;
  ASSERT_TRUE(wait_until([&] { return fs::exists(lnk); })) << "no link in " << narrow(startup_.wstring());
  const fs::path program = run_.dir().path() / L"Orvane.exe";
  const std::optional<std::wstring> target = link_target(lnk);
  ASSERT_TRUE(target.has_value()) << "the link cannot be read";
  EXPECT_EQ(narrow(*target), narrow(program.wstring()));
  EXPECT_TRUE(top_windows("错误：", run_.process().id()).empty()) << "success is silent";
  screenshot("start-with-windows-ticked", run_.main_window());

  // The pane shows the link's existence at its next opening.
  click_at(run_.control(标签4), 4, 4);
  ASSERT_TRUE(wait_until([&] { return !is_visible(run_.control(外形框_设置)); }));
  open_pane();
  EXPECT_TRUE(is_checked(box));

  ASSERT_TRUE(write_link(desktop_ / kLinkName, program));
  // A Run value of that name, as older versions may have left it.
  ASSERT_TRUE(set_run_value(L"Kelu倒计时", program.wstring()));
  ASSERT_TRUE(set_run_value(L"OrvaneTestOther", L"x"));
  click_button(box);
  EXPECT_TRUE(wait_until([&] { return !fs::exists(lnk); })) << "the start-up link stayed";
  EXPECT_TRUE(fs::exists(desktop_ / kLinkName)) << "the desktop shortcut must stay";
  EXPECT_FALSE(run_value_exists(L"Kelu倒计时"));
  EXPECT_TRUE(run_value_exists(L"OrvaneTestOther"));
  RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kRunKey, L"OrvaneTestOther");
  EXPECT_TRUE(top_windows("错误：", run_.process().id()).empty());
}

// A click whose handler has run when this returns (it must show no box).
void click_and_wait(HWND button) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 10000, &result);
}

// The link is read back and compared with the program's path: the same
// path is left alone, another one replaced.
TEST_F(StartWithWindows, ALinkToTheProgramIsKeptAndOneToElsewhereReplaced) {
  run_.start();
  ASSERT_NE(run_.main_window(), nullptr);
  open_pane();
  HWND box = run_.control(选择框_开机自启);
  const fs::path lnk = startup_ / kLinkName;
  const fs::path program = run_.dir().path() / L"Orvane.exe";

  ASSERT_TRUE(write_link(lnk, program));
  const auto written = fs::last_write_time(lnk);
  Sleep(1100);  // a rewrite would show in the time
  click_and_wait(box);
  EXPECT_EQ(fs::last_write_time(lnk), written) << "a link in order is not rewritten";

  click_and_wait(box);  // cleared: the link goes
  ASSERT_FALSE(fs::exists(lnk));
  run_.dir().write("Old.exe", "MZ");
  ASSERT_TRUE(write_link(lnk, run_.dir().path() / L"Old.exe"));
  click_and_wait(box);
  ASSERT_TRUE(wait_until([&] { return link_target(lnk) == program.wstring(); }))
      << narrow(link_target(lnk).value_or(L"(unreadable)"));
  EXPECT_TRUE(top_windows("错误：", run_.process().id()).empty());
}

// The program's question box "错误：", once it is up.
HWND wait_for_question(DWORD pid, Millis timeout = Millis{10000}) {
  return wait_for_top_window("错误：", pid, timeout);
}

// A folder in the link's place: the link cannot be written.
TEST_F(StartWithWindows, AFailedLinkAsksAndYesPutsOneOnTheDesktop) {
  const fs::path blocker = startup_ / kLinkName;
  ASSERT_TRUE(fs::create_directory(blocker));
  run_.start();
  ASSERT_NE(run_.main_window(), nullptr);
  open_pane();
  HWND box = run_.control(选择框_开机自启);
  const DWORD pid = run_.process().id();

  click_button(box);
  HWND question = wait_for_question(pid);
  ASSERT_NE(question, nullptr) << "no question";
  std::string texts;
  for (HWND child : child_windows(question)) texts += window_text(child) + "|";
  EXPECT_NE(texts.find("　　设置开机自启失败！是否在桌面创建程序快捷方式？"), std::string::npos) << texts;
  EXPECT_NE(GetDlgItem(question, IDYES), nullptr);
  EXPECT_NE(GetDlgItem(question, IDNO), nullptr);
  EXPECT_NE(GetDlgItem(question, IDCANCEL), nullptr);
  screenshot("start-with-windows-question");
  click_button(GetDlgItem(question, IDYES));
  const fs::path desktop_lnk = desktop_ / kLinkName;
  ASSERT_TRUE(wait_until([&] { return fs::exists(desktop_lnk); })) << "no desktop shortcut";
  ASSERT_TRUE(wait_until([&] { return top_windows("错误：", pid).empty(); }));
  const std::optional<LinkFacts> facts = link_facts(desktop_lnk);
  ASSERT_TRUE(facts.has_value());
  EXPECT_EQ(narrow(facts->target), narrow((run_.dir().path() / L"Orvane.exe").wstring()));
  EXPECT_EQ(narrow(facts->description), "Kelu倒计时");
  EXPECT_EQ(facts->show, SW_SHOWNORMAL);

  // Cancel writes shortcut.ini, which silences the question from then on.
  click_button(box);  // cleared
  click_button(box);  // ticked again
  question = wait_for_question(pid);
  ASSERT_NE(question, nullptr) << "no question the second time";
  click_button(GetDlgItem(question, IDCANCEL));
  EXPECT_TRUE(wait_until([&] { return run_.dir().exists("shortcut.ini"); }));
  click_button(box);
  click_button(box);
  EXPECT_EQ(wait_for_question(pid, Millis{3000}), nullptr) << "asked although shortcut.ini exists";
  EXPECT_TRUE(is_checked(box));
  EXPECT_TRUE(fs::is_directory(blocker));
}

}  // namespace
}  // namespace orvane::e2e

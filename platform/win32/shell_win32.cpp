// The user's special folders, shell links, the shell's windows and change
// notices, and the Run key of the registry.
#include <windows.h>
// after windows.h
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <string>

#include "platform/system.h"
#include "platform/win32/com.h"
#include "platform/win32/handles.h"
#include "platform/win32/trace.h"
#include "platform/win32/wide.h"

namespace orvane::sys {
namespace {

using win32::trace_failure;

// The shell link's class and interface (shlguid.h), spelled here: taking them
// from libuuid would bring in its one object that holds every GUID it knows.
constexpr CLSID kShellLinkClass = {0x00021401, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kShellLinkInterface = {0x000214F9, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

win32::ComPtr<IShellLinkW> new_shell_link() {
  win32::ComPtr<IShellLinkW> link;
  const HRESULT hr =
      CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER, kShellLinkInterface, link.put_void());
  if (FAILED(hr)) trace_failure(L"CoCreateInstance(CLSID_ShellLink)", static_cast<unsigned long>(hr));
  return link;
}

bool succeeded(HRESULT hr, const wchar_t* what) {
  if (SUCCEEDED(hr)) return true;
  trace_failure(what, static_cast<unsigned long>(hr));
  return false;
}

}  // namespace

std::string special_folder(Folder f) {
  wchar_t buf[MAX_PATH] = {};
  const int csidl = f == Folder::Startup ? CSIDL_STARTUP : CSIDL_DESKTOPDIRECTORY;
  if (!succeeded(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, buf), L"SHGetFolderPathW"))
    return {};
  return win32::narrow(buf);
}

bool create_shortcut(std::string_view link_path, const Shortcut& link) {
  const win32::ComPtr<IShellLinkW> shell_link = new_shell_link();
  if (!shell_link) return false;
  if (!succeeded(shell_link->SetPath(win32::widen(link.target).c_str()), L"IShellLinkW::SetPath"))
    return false;
  if (!link.description.empty() &&
      !succeeded(shell_link->SetDescription(win32::widen(link.description).c_str()),
                 L"IShellLinkW::SetDescription"))
    return false;
  if (link.show_normal && !succeeded(shell_link->SetShowCmd(SW_SHOWNORMAL), L"IShellLinkW::SetShowCmd"))
    return false;
  const win32::ComPtr<IPersistFile> file = shell_link.as<IPersistFile>();
  if (!file) {
    trace_failure(L"QueryInterface(IPersistFile)", static_cast<unsigned long>(E_NOINTERFACE));
    return false;
  }
  return succeeded(file->Save(win32::widen(link_path).c_str(), TRUE), L"IPersistFile::Save");
}

std::optional<std::string> shortcut_target(std::string_view link_path) {
  const win32::ComPtr<IShellLinkW> shell_link = new_shell_link();
  if (!shell_link) return std::nullopt;
  const win32::ComPtr<IPersistFile> file = shell_link.as<IPersistFile>();
  if (!file || !succeeded(file->Load(win32::widen(link_path).c_str(), STGM_READ), L"IPersistFile::Load"))
    return std::nullopt;
  std::wstring target(32768, L'\0');
  const HRESULT hr = shell_link->GetPath(target.data(), static_cast<int>(target.size()), nullptr, 0);
  if (!succeeded(hr, L"IShellLinkW::GetPath")) return std::nullopt;
  // S_FALSE: the link holds no path.
  target.resize(hr == S_OK ? target.find(L'\0') : 0);
  return win32::narrow(target);
}

bool shell_open(std::string_view what) {
  const auto r = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", win32::widen(what).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  if (r > 32) return true;
  trace_failure(L"ShellExecuteW", static_cast<unsigned long>(r));
  return false;
}

void notify_shell(ShellChange change, std::string_view path) {
  const std::wstring wide = win32::widen(path);
  SHChangeNotify(change == ShellChange::FileCreated ? SHCNE_CREATE : SHCNE_UPDATEDIR, SHCNF_PATHW,
                 wide.c_str(), nullptr);
}

bool registry_delete_run_value(std::string_view value_name) {
  HKEY opened = nullptr;
  LSTATUS status = RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0,
                                 KEY_SET_VALUE, &opened);
  if (status != ERROR_SUCCESS) {
    trace_failure(L"RegOpenKeyExW(HKLM Run)", static_cast<unsigned long>(status));
    return false;
  }
  const win32::RegKey key(opened);
  status = RegDeleteValueW(key.get(), win32::widen(value_name).c_str());
  if (status == ERROR_SUCCESS) return true;
  if (status != ERROR_FILE_NOT_FOUND) trace_failure(L"RegDeleteValueW", static_cast<unsigned long>(status));
  return false;
}

}  // namespace orvane::sys

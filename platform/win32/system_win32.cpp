// Files, folders and the rest of the system services on Win32.
#include <windows.h>
// after windows.h
#include <mmsystem.h>
#include <shellapi.h>
#include <shlobj.h>

#include <functional>
#include <memory>
#include <random>
#include <string>

#include "core/text_codec.h"
#include "platform/system.h"
#include "platform/win32/handles.h"
#include "platform/win32/ui_objects.h"
#include "platform/win32/wide.h"

namespace orvane::sys {
namespace {

std::mt19937& generator() {
  static std::mt19937 g;
  return g;
}

}  // namespace

// The path as launched, but with the file name as it is stored in its folder:
// the letter case of a command line typed as "orvane.exe" does not count.
std::string executable_path() {
  std::wstring buf(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    if (n < buf.size()) {
      buf.resize(n);
      break;
    }
    buf.resize(buf.size() * 2);
  }
  WIN32_FIND_DATAW found{};
  const win32::FindHandle find(FindFirstFileW(buf.c_str(), &found));
  if (find) {
    const std::size_t cut = buf.find_last_of(L"\\/");
    buf = (cut == std::wstring::npos ? std::wstring() : buf.substr(0, cut + 1)) + found.cFileName;
  }
  return win32::narrow(buf);
}

bool file_exists(std::string_view path) {
  const DWORD a = GetFileAttributesW(win32::widen(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> read_file(std::string_view path) {
  win32::File f(CreateFileW(win32::widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!f) return std::nullopt;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(f.get(), &size) || size.QuadPart > 0x7FFFFFFF) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD got = 0;
    if (!ReadFile(f.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got, nullptr))
      return std::nullopt;
    if (got == 0) break;
    done += got;
  }
  bytes.resize(done);
  return bytes;
}

bool write_file(std::string_view path, std::string_view bytes) {
  win32::File f(CreateFileW(win32::widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!f) return false;
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD put = 0;
    if (!WriteFile(f.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &put, nullptr) ||
        put == 0)
      return false;
    done += put;
  }
  return FlushFileBuffers(f.get()) != FALSE;
}

bool replace_file(std::string_view path, std::string_view bytes) {
  const std::wstring target = win32::widen(path);
  const DWORD attributes = GetFileAttributesW(target.c_str());
  // A read-only file is the user's word: it is not replaced.
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
    return false;
  const std::string temp = std::string(path) + ".new";
  const std::wstring wtemp = win32::widen(temp);
  if (!write_file(temp, bytes)) {
    DeleteFileW(wtemp.c_str());
    return false;
  }
  // ReplaceFileW keeps the original's attributes, security and creation time.
  const bool done = attributes == INVALID_FILE_ATTRIBUTES
                        ? MoveFileExW(wtemp.c_str(), target.c_str(),
                                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE
                        : ReplaceFileW(target.c_str(), wtemp.c_str(), nullptr, REPLACEFILE_WRITE_THROUGH,
                                       nullptr, nullptr) != FALSE;
  if (!done) DeleteFileW(wtemp.c_str());
  return done;
}

bool copy_file(std::string_view from, std::string_view to) {
  return CopyFileW(win32::widen(from).c_str(), win32::widen(to).c_str(), FALSE) != FALSE;
}

bool delete_file(std::string_view path) { return DeleteFileW(win32::widen(path).c_str()) != FALSE; }

bool create_folder(std::string_view path) {
  return CreateDirectoryW(win32::widen(path).c_str(), nullptr) != FALSE ||
         GetLastError() == ERROR_ALREADY_EXISTS;
}

std::string special_folder(Folder f) {
  wchar_t buf[MAX_PATH] = {};
  const int csidl = f == Folder::Startup ? CSIDL_STARTUP : CSIDL_DESKTOPDIRECTORY;
  if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, buf))) return {};
  return win32::narrow(buf);
}

// Shortcuts, shell, registry and HTTP come with the features that use them.
bool create_shortcut(std::string_view, std::string_view) { return false; }
std::string shortcut_target(std::string_view) { return {}; }
bool shell_open(std::string_view what) {
  return reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", win32::widen(what).c_str(), nullptr,
                                                 nullptr, SW_SHOWNORMAL)) > 32;
}
void notify_shell_of_change(std::string_view) {}
bool registry_delete_run_value(std::string_view) { return false; }

namespace {

DWORD WINAPI worker_main(void* job) {
  const std::unique_ptr<std::function<void()>> work(static_cast<std::function<void()>*>(job));
  (*work)();
  return 0;
}

}  // namespace

// Waits while the window events run: the window never freezes on the
// network. A WM_QUIT met on the way ends the wait at once (and is posted
// again for the event loop).
bool run_worker(std::function<void()> work, int timeout_ms) {
  auto* job = new std::function<void()>(std::move(work));
  win32::File thread(CreateThread(nullptr, 0, worker_main, job, 0, nullptr));
  if (!thread) {
    delete job;
    return false;
  }
  const DWORD start = GetTickCount();
  const DWORD limit = timeout_ms > 0 ? static_cast<DWORD>(timeout_ms) : 0;
  HANDLE handle = thread.get();
  for (;;) {
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= limit) return WaitForSingleObject(handle, 0) == WAIT_OBJECT_0;
    const DWORD r = MsgWaitForMultipleObjects(1, &handle, FALSE, limit - elapsed, QS_ALLINPUT);
    if (r == WAIT_OBJECT_0) return true;
    if (r != WAIT_OBJECT_0 + 1) return false;
    if (!win32::pump_messages()) return false;
  }
}

void play_wave_async(std::string_view wave_bytes) {
  PlaySoundW(reinterpret_cast<LPCWSTR>(wave_bytes.data()), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}

void stop_sound() { PlaySoundW(nullptr, nullptr, 0); }

std::uint32_t tick_count() { return GetTickCount(); }
void seed_random(std::uint32_t seed) { generator().seed(seed); }
int random_int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(generator()); }

}  // namespace orvane::sys

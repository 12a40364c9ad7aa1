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
#include "platform/win32/trace.h"
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
  if (CopyFileW(win32::widen(from).c_str(), win32::widen(to).c_str(), FALSE)) return true;
  win32::trace_last_error(L"CopyFileW");
  return false;
}

namespace {

// The file's volume and index: one file however its path is spelled.
std::optional<BY_HANDLE_FILE_INFORMATION> file_identity(std::string_view path) {
  // No access asked: this opens also files that others hold open.
  const win32::File f(CreateFileW(win32::widen(path).c_str(), 0,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION info{};
  if (!f || !GetFileInformationByHandle(f.get(), &info)) return std::nullopt;
  return info;
}

// The full path with long names, for files that cannot be opened at all.
std::wstring full_long_path(std::string_view path) {
  const std::wstring wide = win32::widen(path);
  std::wstring full(32768, L'\0');
  DWORD n = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (n == 0 || n >= full.size()) return wide;
  full.resize(n);
  std::wstring long_path(32768, L'\0');
  n = GetLongPathNameW(full.c_str(), long_path.data(), static_cast<DWORD>(long_path.size()));
  if (n == 0 || n >= long_path.size()) return full;
  long_path.resize(n);
  return long_path;
}

}  // namespace

bool same_file(std::string_view a, std::string_view b) {
  if (!file_exists(a) || !file_exists(b)) return false;
  const auto ia = file_identity(a), ib = file_identity(b);
  if (ia && ib)
    return ia->dwVolumeSerialNumber == ib->dwVolumeSerialNumber && ia->nFileIndexHigh == ib->nFileIndexHigh &&
           ia->nFileIndexLow == ib->nFileIndexLow;
  const std::wstring pa = full_long_path(a), pb = full_long_path(b);
  return CompareStringOrdinal(pa.c_str(), static_cast<int>(pa.size()), pb.c_str(),
                              static_cast<int>(pb.size()), TRUE) == CSTR_EQUAL;
}

bool delete_file(std::string_view path) { return DeleteFileW(win32::widen(path).c_str()) != FALSE; }

bool create_folder(std::string_view path) {
  return CreateDirectoryW(win32::widen(path).c_str(), nullptr) != FALSE ||
         GetLastError() == ERROR_ALREADY_EXISTS;
}

// Shortcuts, the shell and the Run key: shell_win32.cpp.

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

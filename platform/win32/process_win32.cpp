// Starting programs from a command line.
#include <windows.h>

#include <string>

#include "platform/system.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide.h"

namespace orvane::sys {

bool start_process(std::string_view command_line) {
  std::wstring line = win32::widen(command_line);  // CreateProcessW may write into it
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    return false;
  const win32::File process(info.hProcess);
  const win32::File thread(info.hThread);
  WaitForInputIdle(process.get(), 1000);
  return true;
}

}  // namespace orvane::sys

// Reading text values of the registry.
#include <windows.h>

#include <string>

#include "platform/system.h"
#include "platform/win32/wide.h"

namespace orvane::sys {

std::optional<std::string> registry_read_local_machine(std::string_view key, std::string_view value_name) {
  const std::wstring k = win32::widen(key), name = win32::widen(value_name);
  const wchar_t* value = name.empty() ? nullptr : name.c_str();
  // REG_EXPAND_SZ values come expanded, as REG_SZ.
  const DWORD types = RRF_RT_REG_SZ;
  DWORD bytes = 0;
  if (RegGetValueW(HKEY_LOCAL_MACHINE, k.c_str(), value, types, nullptr, nullptr, &bytes) != ERROR_SUCCESS)
    return std::nullopt;
  // The value may grow between the two calls.
  for (int attempt = 0; attempt < 3; ++attempt) {
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    const LSTATUS status =
        RegGetValueW(HKEY_LOCAL_MACHINE, k.c_str(), value, types, nullptr, text.data(), &bytes);
    if (status == ERROR_SUCCESS) {
      text.resize(wcsnlen(text.c_str(), text.size()));
      return win32::narrow(text);
    }
    if (status != ERROR_MORE_DATA) return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace orvane::sys

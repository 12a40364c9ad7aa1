// UTF-8 inside the program, UTF-16 at the Win32 call: the one conversion module.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace orvane::win32 {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);
// A window's text (WM_GETTEXT) as UTF-8.
std::string window_text(HWND hwnd);

}  // namespace orvane::win32

// UTF-8 inside the program, UTF-16 at the Win32 call.
#pragma once

#include <string>
#include <string_view>

namespace orvane::win32 {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

}  // namespace orvane::win32

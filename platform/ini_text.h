// INI profile strings on the bytes of a file, with the rules of the Windows
// profile-string operations. Names and values are UTF-8, the file is GBK.
// Writing changes only the one line it must add or replace; every other byte
// stays as it was, even in lines that are not INI at all.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvane::ini {

// A longer value is read cut to this many bytes (at a character boundary).
inline constexpr std::size_t kMaxValueBytes = 4096;

// The value of the first such key in the first such section (names ignore the
// case of ASCII letters); default_value when there is none.
std::string read_value(std::string_view file_bytes, std::string_view section, std::string_view key,
                       std::string_view default_value);

// The file bytes with key set to value. The value passes through
// sys::ini_value_text first; characters GBK cannot hold are written as '?'.
std::string with_value(std::string_view file_bytes, std::string_view section, std::string_view key,
                       std::string_view value);

}  // namespace orvane::ini

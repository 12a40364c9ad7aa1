// GBK (code page 936) is the encoding of files and web pages; inside the
// program texts are UTF-8.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// Decodes GBK bytes; a byte that starts no valid character becomes U+FFFD.
std::string gbk_to_utf8(std::string_view gbk);

// Encodes UTF-8 text as GBK. Returns nothing when some character has no GBK
// form (or the text is not valid UTF-8); first_bad then receives the byte
// offset of that character in the UTF-8 text.
std::optional<std::string> utf8_to_gbk(std::string_view utf8, std::size_t* first_bad = nullptr);

// The part of a text before its first zero byte.
inline std::string_view cut_at_zero(std::string_view bytes) { return bytes.substr(0, bytes.find('\0')); }

}  // namespace orvane

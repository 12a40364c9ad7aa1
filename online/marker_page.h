// Marker pages: sections between fixed markers, the encrypted section format
// and the removal of "amp;". Everything works on the page's GBK bytes.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace orvane::online {

// The bytes between the first start marker and the next end marker after
// it; empty when either is missing. Bytes compared exactly.
std::string extract_between(std::string_view text, std::string_view start, std::string_view end);

// Removes every "amp;" (any letter case) pass by pass until none is left, a
// GBK character counting as one; after_pass runs after each pass. "&amp;amp;"
// becomes "&".
std::string remove_amp(std::string text, const std::function<void()>& after_pass = {});

// The encrypted section: hexadecimal digits of 8 length bytes (little-endian
// plain length) followed by AES-256-ECB blocks under the pass phrase "qmzt".
// The plain text, up to its first zero byte; empty for an empty or malformed
// section (a digit that is not hexadecimal, an odd number of digits, fewer
// than 8 bytes, cipher text that is not whole blocks).
std::string decrypt_section(std::string_view section);
// What the page producer writes for a plain text: upper-case digits, the last
// block filled with zero bytes. Empty when the cipher is unavailable.
std::string encrypt_section(std::string_view plain);

// The key made from a pass phrase: its bytes, cut or filled with zero bytes to 32.
std::string key_from_pass_phrase(std::string_view phrase);

}  // namespace orvane::online

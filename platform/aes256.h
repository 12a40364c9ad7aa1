// AES-256 (FIPS-197) in ECB mode, without padding: every 16-byte block on its
// own. CNG on Windows, OpenSSL's libcrypto elsewhere.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvane::crypto {

inline constexpr std::size_t kAesBlock = 16;
inline constexpr std::size_t kAes256Key = 32;

// Nothing when the key is not 32 bytes, the data is not a whole number of
// blocks, or the library fails.
std::optional<std::string> aes256_ecb_decrypt(std::string_view key, std::string_view cipher);
std::optional<std::string> aes256_ecb_encrypt(std::string_view key, std::string_view plain);

}  // namespace orvane::crypto

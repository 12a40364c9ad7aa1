#include "online/marker_page.h"

#include <cstdint>
#include <optional>

#include "platform/aes256.h"

namespace orvane::online {
namespace {

constexpr std::string_view kPassPhrase = "qmzt";
constexpr std::size_t kLengthBytes = 8;

bool is_gbk_lead(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool amp_at(std::string_view text, std::size_t at) {
  static constexpr std::string_view kAmp = "amp;";
  if (text.size() - at < kAmp.size()) return false;
  for (std::size_t i = 0; i < kAmp.size(); ++i)
    if (lower(text[at + i]) != kAmp[i]) return false;
  return true;
}

// One pass: every "amp;" that starts at a character, left to right, not
// overlapping. False when there was none.
bool remove_amp_once(std::string& text) {
  std::string out;
  bool found = false;
  std::size_t i = 0;
  while (i < text.size()) {
    if (amp_at(text, i)) {
      found = true;
      i += 4;
      continue;
    }
    const std::size_t step = is_gbk_lead(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
    out.append(text, i, step);
    i += step;
  }
  if (found) text = std::move(out);
  return found;
}

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<std::string> from_hex(std::string_view digits) {
  if (digits.size() % 2 != 0) return std::nullopt;
  std::string bytes(digits.size() / 2, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const int high = hex_digit(digits[2 * i]), low = hex_digit(digits[2 * i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes[i] = static_cast<char>(high * 16 + low);
  }
  return bytes;
}

}  // namespace

std::string extract_between(std::string_view text, std::string_view start, std::string_view end) {
  const std::size_t s = text.find(start);
  if (s == std::string_view::npos) return {};
  const std::size_t from = s + start.size();
  const std::size_t e = text.find(end, from);
  if (e == std::string_view::npos) return {};
  return std::string(text.substr(from, e - from));
}

std::string remove_amp(std::string text, const std::function<void()>& after_pass) {
  while (remove_amp_once(text))
    if (after_pass) after_pass();
  return text;
}

std::string key_from_pass_phrase(std::string_view phrase) {
  std::string key(crypto::kAes256Key, '\0');
  key.replace(0, std::min(phrase.size(), key.size()), phrase.substr(0, key.size()));
  return key;
}

std::string decrypt_section(std::string_view section) {
  if (section.empty()) return {};
  const std::optional<std::string> bytes = from_hex(section);
  if (!bytes || bytes->size() < kLengthBytes) return {};
  const std::optional<std::string> plain = crypto::aes256_ecb_decrypt(
      key_from_pass_phrase(kPassPhrase), std::string_view(*bytes).substr(kLengthBytes));
  if (!plain) return {};
  return plain->substr(0, plain->find('\0'));
}

std::string encrypt_section(std::string_view plain) {
  std::string padded(plain);
  padded.resize((plain.size() + crypto::kAesBlock - 1) / crypto::kAesBlock * crypto::kAesBlock, '\0');
  const std::optional<std::string> cipher =
      crypto::aes256_ecb_encrypt(key_from_pass_phrase(kPassPhrase), padded);
  if (!cipher) return {};
  std::string bytes(kLengthBytes, '\0');
  std::uint64_t length = plain.size();
  for (std::size_t i = 0; i < kLengthBytes; ++i, length >>= 8) bytes[i] = static_cast<char>(length & 0xFF);
  bytes += *cipher;
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string digits;
  digits.reserve(bytes.size() * 2);
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    digits += kHex[b >> 4];
    digits += kHex[b & 0x0F];
  }
  return digits;
}

}  // namespace orvane::online

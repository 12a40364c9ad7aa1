// Marker pages from a hostile server: cutting the outer section, removing
// "amp;" and decrypting must never crash, and must keep their promises.
//
// Input: the page bytes. The outer section and the decrypted text are checked
// for what they are; the page itself also goes through the producer's
// encryption and must come back up to its first zero byte.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "online/marker_page.h"

namespace {

using namespace orvane::online;

// "[总开始]" and "[总结束]" in GBK.
const std::string kStart = "[\xD7\xDC\xBF\xAA\xCA\xBC]";
const std::string kEnd = "[\xD7\xDC\xBD\xE1\xCA\xF8]";

void check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view page(reinterpret_cast<const char*>(data), size);

  const std::string section = extract_between(page, kStart, kEnd);
  if (!section.empty()) check(page.find(kStart + section + kEnd) != std::string_view::npos);
  int passes = 0;
  const std::string cleaned = remove_amp(section, [&] { ++passes; });
  check(cleaned.size() + 4 * static_cast<std::size_t>(passes) <= section.size());
  check(remove_amp(cleaned) == cleaned);

  const std::string plain = decrypt_section(cleaned);
  check(plain.find('\0') == std::string::npos);
  check(plain.size() + 8 <= cleaned.size() / 2 + 16);

  // The producer's section of any text decrypts to it, up to a zero byte.
  const std::string_view text = page.substr(0, std::min<std::size_t>(page.size(), 4096));
  check(decrypt_section(encrypt_section(text)) == text.substr(0, text.find('\0')));
  return 0;
}

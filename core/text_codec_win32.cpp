// GBK conversion through the Windows code page 936 tables.
#include <windows.h>

#include <cstdint>
#include <string>

#include "core/text_codec.h"

namespace orvane {
namespace {

constexpr UINT kGbk = 936;

std::string to_utf8(const std::wstring& w) {
  if (w.empty()) return {};
  const int n =
      WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0)
    WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
  return s;
}

// One UTF-8 sequence at s[i]: its length, or 0 when it is not a valid,
// shortest-form sequence of a code point outside the surrogates.
std::size_t utf8_length(std::string_view s, std::size_t i, char32_t* cp) {
  const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char c = b(i);
  std::size_t n;
  char32_t v;
  if (c < 0x80) {
    *cp = c;
    return 1;
  } else if (c >= 0xC2 && c <= 0xDF) {
    n = 2, v = c & 0x1F;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3, v = c & 0x0F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4, v = c & 0x07;
  } else {
    return 0;
  }
  if (i + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k) {
    if ((b(i + k) & 0xC0) != 0x80) return 0;
    v = (v << 6) | (b(i + k) & 0x3F);
  }
  if ((n == 3 && v < 0x800) || (n == 4 && (v < 0x10000 || v > 0x10FFFF)) || (v >= 0xD800 && v <= 0xDFFF))
    return 0;
  *cp = v;
  return n;
}

void append_utf16(std::wstring& out, char32_t cp) {
  if (cp >= 0x10000) {
    cp -= 0x10000;
    out += static_cast<wchar_t>(0xD800 + (cp >> 10));
    out += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
  } else {
    out += static_cast<wchar_t>(cp);
  }
}

// GBK bytes of UTF-16 text, or nothing when some character has no exact GBK form.
std::optional<std::string> encode_exact(const std::wstring& w) {
  if (w.empty()) return std::string();
  BOOL used_default = FALSE;
  const int n = WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, w.data(), static_cast<int>(w.size()), nullptr,
                                    0, nullptr, &used_default);
  if (n <= 0 || used_default) return std::nullopt;
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, w.data(), static_cast<int>(w.size()), out.data(), n,
                      nullptr, &used_default);
  if (used_default) return std::nullopt;
  // A round trip guards against tables that map without telling.
  const int back = MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, out.data(), n, nullptr, 0);
  std::wstring check(static_cast<std::size_t>(back > 0 ? back : 0), L'\0');
  if (back > 0) MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, out.data(), n, check.data(), back);
  if (check != w) return std::nullopt;
  return out;
}

}  // namespace

std::string gbk_to_utf8(std::string_view gbk) {
  if (gbk.empty()) return {};
  const int n =
      MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
  if (n > 0) {
    std::wstring w(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, gbk.data(), static_cast<int>(gbk.size()), w.data(), n);
    return to_utf8(w);
  }
  // Some bytes form no character: go character by character.
  std::wstring w;
  w.reserve(gbk.size());
  for (std::size_t i = 0; i < gbk.size();) {
    const auto c = static_cast<unsigned char>(gbk[i]);
    const std::size_t len = (IsDBCSLeadByteEx(kGbk, c) && i + 1 < gbk.size()) ? 2 : 1;
    wchar_t out[2];
    const int got =
        MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, gbk.data() + i, static_cast<int>(len), out, 2);
    if (got == 1) {
      w += out[0];
      i += len;
    } else {
      w += L'\xFFFD';
      i += 1;
    }
  }
  return to_utf8(w);
}

std::optional<std::string> utf8_to_gbk(std::string_view utf8, std::size_t* first_bad) {
  std::wstring w;
  w.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t cp = 0;
    const std::size_t len = utf8_length(utf8, i, &cp);
    if (len == 0) {
      if (first_bad) *first_bad = i;
      return std::nullopt;
    }
    append_utf16(w, cp);
    i += len;
  }
  if (auto whole = encode_exact(w)) return whole;
  // Find the first character that has no GBK form.
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t cp = 0;
    const std::size_t len = utf8_length(utf8, i, &cp);
    std::wstring one;
    append_utf16(one, cp);
    if (!encode_exact(one)) {
      if (first_bad) *first_bad = i;
      return std::nullopt;
    }
    i += len;
  }
  if (first_bad) *first_bad = utf8.size();
  return std::nullopt;
}

}  // namespace orvane

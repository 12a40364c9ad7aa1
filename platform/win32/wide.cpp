#include "platform/win32/wide.h"

#include <windows.h>

namespace orvane::win32 {

std::wstring widen(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring w(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), w.data(), n);
  return w;
}

std::string narrow(std::wstring_view utf16) {
  if (utf16.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string s(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0)
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), s.data(), n, nullptr,
                        nullptr);
  return s;
}

}  // namespace orvane::win32

namespace orvane::win32 {

std::string window_text(HWND hwnd) {
  const int len = GetWindowTextLengthW(hwnd);
  if (len <= 0) return {};
  std::wstring t(static_cast<std::size_t>(len) + 1, L'\0');
  const int got = GetWindowTextW(hwnd, t.data(), len + 1);
  t.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return narrow(t);
}

}  // namespace orvane::win32

// Failures of system calls that the program survives: written to the
// debugger's output (DebugView; Wine's debugstr channel) with their code.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace orvane::win32 {

// code: a Win32 error (GetLastError) or an HRESULT.
inline void trace_failure(std::wstring_view what, unsigned long code) {
  static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
  std::wstring line = L"Orvane: ";
  line += what;
  line += L" failed, code 0x";
  for (int shift = 28; shift >= 0; shift -= 4) line += kDigits[(code >> shift) & 0xFu];
  line += L"\n";
  OutputDebugStringW(line.c_str());
}

inline void trace_last_error(std::wstring_view what) { trace_failure(what, GetLastError()); }

}  // namespace orvane::win32

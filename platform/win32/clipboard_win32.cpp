// The clipboard, as Unicode text.
#include <windows.h>

#include <cstring>
#include <string>

#include "platform/system.h"
#include "platform/win32/wide.h"

namespace orvane::sys {

bool set_clipboard_text(std::string_view text) {
  const std::wstring wide = win32::widen(text);
  const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) return false;
  if (void* at = GlobalLock(memory)) {
    std::memcpy(at, wide.c_str(), bytes);
    GlobalUnlock(memory);
  } else {
    GlobalFree(memory);
    return false;
  }
  if (!OpenClipboard(nullptr)) {
    GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  // On success the clipboard owns the memory.
  const bool done = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  if (!done) GlobalFree(memory);
  return done;
}

}  // namespace orvane::sys

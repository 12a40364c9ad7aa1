// HTTP GET through WinINet: no cache, no user interface, the system's proxy.
#include <windows.h>
// after windows.h
#include <wininet.h>

#include "platform/system.h"
#include "platform/win32/wide.h"

namespace orvane::sys {
namespace {

class Internet {
 public:
  explicit Internet(HINTERNET h) : h_(h) {}
  ~Internet() {
    if (h_) InternetCloseHandle(h_);
  }
  Internet(const Internet&) = delete;
  Internet& operator=(const Internet&) = delete;
  HINTERNET get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }

 private:
  HINTERNET h_;
};

}  // namespace

std::optional<std::string> http_get(std::string_view url, std::size_t max_bytes) {
  const Internet session(
      InternetOpenW(L"Mozilla/4.0 (compatible; Orvane)", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!session) return std::nullopt;
  const DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE |
                      INTERNET_FLAG_NO_UI | INTERNET_FLAG_NO_COOKIES;
  const Internet request(InternetOpenUrlW(session.get(), win32::widen(url).c_str(), nullptr, 0, flags, 0));
  if (!request) return std::nullopt;
  std::string body;
  char chunk[16384];
  for (;;) {
    DWORD got = 0;
    if (!InternetReadFile(request.get(), chunk, sizeof chunk, &got)) return std::nullopt;
    if (got == 0) break;
    if (got > max_bytes - body.size()) return std::nullopt;
    body.append(chunk, got);
  }
  return body;
}

}  // namespace orvane::sys

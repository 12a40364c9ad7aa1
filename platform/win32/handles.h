// Owners of Win32 handles: one owner per handle kind, no copies.
#pragma once

#include <windows.h>

#include <utility>

namespace orvane::win32 {

template <typename H, typename Close>
class Owned {
 public:
  Owned() = default;
  explicit Owned(H h) : h_(h) {}
  ~Owned() { reset(); }
  Owned(Owned&& o) noexcept : h_(std::exchange(o.h_, H{})) {}
  Owned& operator=(Owned&& o) noexcept {
    if (this != &o) reset(std::exchange(o.h_, H{}));
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;

  H get() const { return h_; }
  explicit operator bool() const { return h_ != H{} && h_ != reinterpret_cast<H>(INVALID_HANDLE_VALUE); }
  void reset(H h = H{}) {
    if (*this) Close{}(h_);
    h_ = h;
  }
  H release() { return std::exchange(h_, H{}); }

 private:
  H h_{};
};

struct CloseFile {
  void operator()(HANDLE h) const { CloseHandle(h); }
};
struct DeleteGdi {
  void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct DeleteDc {
  void operator()(HDC h) const { DeleteDC(h); }
};
struct DestroyIconH {
  void operator()(HICON h) const { DestroyIcon(h); }
};
struct DestroyMenuH {
  void operator()(HMENU h) const { DestroyMenu(h); }
};
struct FindCloseH {
  void operator()(HANDLE h) const { FindClose(h); }
};

struct CloseRegKey {
  void operator()(HKEY h) const { RegCloseKey(h); }
};

using File = Owned<HANDLE, CloseFile>;  // also threads and events
using Font = Owned<HFONT, DeleteGdi>;
using Pen = Owned<HPEN, DeleteGdi>;
using Brush = Owned<HBRUSH, DeleteGdi>;
using Bitmap = Owned<HBITMAP, DeleteGdi>;
using MemoryDc = Owned<HDC, DeleteDc>;
using Icon = Owned<HICON, DestroyIconH>;
using MenuHandle = Owned<HMENU, DestroyMenuH>;
using FindHandle = Owned<HANDLE, FindCloseH>;
using RegKey = Owned<HKEY, CloseRegKey>;

}  // namespace orvane::win32

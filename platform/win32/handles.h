// Owners of Win32 handles.
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

 private:
  H h_{};
};

struct CloseFile {
  void operator()(HANDLE h) const { CloseHandle(h); }
};
struct DeleteGdi {
  void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct DestroyIconH {
  void operator()(HICON h) const { DestroyIcon(h); }
};
struct DestroyMenuH {
  void operator()(HMENU h) const { DestroyMenu(h); }
};

using File = Owned<HANDLE, CloseFile>;
using Font = Owned<HFONT, DeleteGdi>;
using Pen = Owned<HPEN, DeleteGdi>;
using Icon = Owned<HICON, DestroyIconH>;
using MenuHandle = Owned<HMENU, DestroyMenuH>;

}  // namespace orvane::win32

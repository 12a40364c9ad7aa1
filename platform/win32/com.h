// The owner of a COM interface pointer: released once, never copied.
#pragma once

#include <unknwn.h>

#include <utility>

namespace orvane::win32 {

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { reset(); }
  ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  ComPtr& operator=(ComPtr&& o) noexcept {
    if (this != &o) {
      reset();
      p_ = std::exchange(o.p_, nullptr);
    }
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // For the creating call: releases what is held and gives the slot.
  T** put() {
    reset();
    return &p_;
  }
  void** put_void() { return reinterpret_cast<void**>(put()); }
  void reset() {
    if (p_) std::exchange(p_, nullptr)->Release();
  }
  template <typename U>
  ComPtr<U> as() const {
    ComPtr<U> other;
    if (p_) p_->QueryInterface(__uuidof(U), other.put_void());
    return other;
  }

 private:
  T* p_ = nullptr;
};

}  // namespace orvane::win32

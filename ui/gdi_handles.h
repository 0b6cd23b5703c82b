// Owners for the GDI and user objects a window object creates: one movable,
// non-copyable owner per kind, null as the invalid value.
#pragma once

#include <windows.h>

#include <utility>

namespace ombrela {

template <typename T, BOOL(WINAPI* Release)(T)>
class UniqueGdi {
 public:
  UniqueGdi() = default;
  explicit UniqueGdi(T handle) : handle_(handle) {}
  UniqueGdi(const UniqueGdi&) = delete;
  UniqueGdi& operator=(const UniqueGdi&) = delete;
  UniqueGdi(UniqueGdi&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueGdi& operator=(UniqueGdi&& other) noexcept {
    reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  ~UniqueGdi() { reset(); }

  void reset(T handle = nullptr) {
    if (handle_) Release(handle_);
    handle_ = handle;
  }
  T get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  T handle_ = nullptr;
};

inline BOOL WINAPI DeleteGdiObject(HGDIOBJ object) {
  return DeleteObject(object);
}
inline BOOL WINAPI DeleteBrush(HBRUSH brush) {
  return DeleteObject(brush);
}
inline BOOL WINAPI DeleteFontObject(HFONT font) {
  return DeleteObject(font);
}
inline BOOL WINAPI DeleteBitmapObject(HBITMAP bitmap) {
  return DeleteObject(bitmap);
}

using UniqueBrush = UniqueGdi<HBRUSH, DeleteBrush>;
using UniqueFont = UniqueGdi<HFONT, DeleteFontObject>;
using UniqueBitmap = UniqueGdi<HBITMAP, DeleteBitmapObject>;
using UniqueCursor = UniqueGdi<HCURSOR, DestroyCursor>;
using UniqueIcon = UniqueGdi<HICON, DestroyIcon>;
using UniqueWindow = UniqueGdi<HWND, DestroyWindow>;

}  // namespace ombrela

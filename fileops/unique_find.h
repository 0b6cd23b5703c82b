// Owner of one Win32 directory-search handle (FindFirstFileA): closes it with
// FindClose when it goes out of scope. The invalid value is
// INVALID_HANDLE_VALUE. Non-copyable, movable. Header-only.
#pragma once

#include <windows.h>

#include <utility>

namespace ombrela {

class UniqueFind {
 public:
  UniqueFind() noexcept = default;
  explicit UniqueFind(HANDLE handle) noexcept : handle_(handle) {}
  ~UniqueFind() { Close(); }

  UniqueFind(const UniqueFind&) = delete;
  UniqueFind& operator=(const UniqueFind&) = delete;

  UniqueFind(UniqueFind&& other) noexcept : handle_(other.Release()) {}
  UniqueFind& operator=(UniqueFind&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }

  HANDLE Get() const noexcept { return handle_; }
  bool Valid() const noexcept { return handle_ != INVALID_HANDLE_VALUE; }
  explicit operator bool() const noexcept { return Valid(); }

  // Gives up ownership without closing.
  HANDLE Release() noexcept { return std::exchange(handle_, INVALID_HANDLE_VALUE); }
  // Closes the current handle (if any) and takes the new one.
  void Reset(HANDLE handle = INVALID_HANDLE_VALUE) noexcept {
    HANDLE old = std::exchange(handle_, handle);
    if (old != INVALID_HANDLE_VALUE) ::FindClose(old);
  }
  // Closes now; true when there was nothing to close or FindClose succeeded.
  bool Close() noexcept {
    HANDLE old = Release();
    return old == INVALID_HANDLE_VALUE || ::FindClose(old) != FALSE;
  }

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace ombrela

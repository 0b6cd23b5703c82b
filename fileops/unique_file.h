// Owner of one Win32 file handle: closes it with CloseHandle when it goes out
// of scope. The invalid value is INVALID_HANDLE_VALUE (what CreateFileA
// returns on failure). Non-copyable, movable. Header-only.
#pragma once

#include <windows.h>

#include <utility>

namespace ombrela {

class UniqueFile {
 public:
  UniqueFile() noexcept = default;
  explicit UniqueFile(HANDLE handle) noexcept : handle_(handle) {}
  ~UniqueFile() { Close(); }

  UniqueFile(const UniqueFile&) = delete;
  UniqueFile& operator=(const UniqueFile&) = delete;

  UniqueFile(UniqueFile&& other) noexcept : handle_(other.Release()) {}
  UniqueFile& operator=(UniqueFile&& other) noexcept {
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
    if (old != INVALID_HANDLE_VALUE) ::CloseHandle(old);
  }
  // Closes now; true when there was nothing to close or CloseHandle succeeded.
  bool Close() noexcept {
    HANDLE old = Release();
    return old == INVALID_HANDLE_VALUE || ::CloseHandle(old) != FALSE;
  }

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace ombrela

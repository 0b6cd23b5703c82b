// One owner for each kind of Win32 handle whose invalid value is
// INVALID_HANDLE_VALUE: files (CloseHandle) and directory searches
// (FindClose). Non-copyable, movable. Header-only.
#pragma once

#include <windows.h>

#include <utility>

namespace ombrela {

template <BOOL(WINAPI* CloseFunction)(HANDLE)>
class UniqueInvalidHandle {
 public:
  UniqueInvalidHandle() noexcept = default;
  explicit UniqueInvalidHandle(HANDLE handle) noexcept : handle_(handle) {}
  ~UniqueInvalidHandle() { Close(); }

  UniqueInvalidHandle(const UniqueInvalidHandle&) = delete;
  UniqueInvalidHandle& operator=(const UniqueInvalidHandle&) = delete;

  UniqueInvalidHandle(UniqueInvalidHandle&& other) noexcept : handle_(other.Release()) {}
  UniqueInvalidHandle& operator=(UniqueInvalidHandle&& other) noexcept {
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
    if (old != INVALID_HANDLE_VALUE) CloseFunction(old);
  }
  // Closes now; true when there was nothing to close or the close succeeded.
  bool Close() noexcept {
    HANDLE old = Release();
    return old == INVALID_HANDLE_VALUE || CloseFunction(old) != FALSE;
  }

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// What CreateFileA returns, closed with CloseHandle.
using UniqueFile = UniqueInvalidHandle<CloseHandle>;
// What FindFirstFileA returns, closed with FindClose.
using UniqueFind = UniqueInvalidHandle<FindClose>;

}  // namespace ombrela

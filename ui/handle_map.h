// The process-wide map from window handle to the window object attached to it.
#pragma once

#include <windows.h>

#include <cstddef>
#include <unordered_map>

namespace ombrela {

class WindowObject;

class HandleMap {
 public:
  static constexpr std::size_t kCapacity = 997;

  // Refused (false) when the handle is already present or the map is full.
  bool Add(HWND handle, WindowObject* object);
  void Remove(HWND handle);
  WindowObject* Find(HWND handle) const;
  std::size_t Size() const { return entries_.size(); }

 private:
  std::unordered_map<HWND, WindowObject*> entries_;
};

// The layer's one map: created empty at start-up, released at exit. While it
// does not exist every lookup finds nothing and every addition is refused.
void CreateHandleMap();
void ReleaseHandleMap();
HandleMap* TheHandleMap();

}  // namespace ombrela

#include "ui/handle_map.h"

#include <memory>

namespace ombrela {

bool HandleMap::Add(HWND handle, WindowObject* object) {
  if (entries_.size() >= kCapacity) return false;
  return entries_.emplace(handle, object).second;
}

void HandleMap::Remove(HWND handle) {
  entries_.erase(handle);
}

WindowObject* HandleMap::Find(HWND handle) const {
  auto found = entries_.find(handle);
  return found == entries_.end() ? nullptr : found->second;
}

namespace {
std::unique_ptr<HandleMap> the_map;
}

void CreateHandleMap() {
  the_map = std::make_unique<HandleMap>();
}
void ReleaseHandleMap() {
  the_map.reset();
}
HandleMap* TheHandleMap() {
  return the_map.get();
}

}  // namespace ombrela

// All dynamic memory of the program comes from the process heap, zero-filled;
// running out of it is fatal, with a message, rather than an exception.
#include <windows.h>

#include <cstddef>
#include <new>

#include "app/fatal.h"

namespace {

void* Allocate(std::size_t size) {
  void* memory = HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size ? size : 1);
  if (!memory) ombrela::FatalOutOfMemory();
  return memory;
}

void Release(void* memory) {
  if (memory) HeapFree(GetProcessHeap(), 0, memory);
}

}  // namespace

void* operator new(std::size_t size) {
  return Allocate(size);
}
void* operator new[](std::size_t size) {
  return Allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size);
}
void operator delete(void* memory) noexcept {
  Release(memory);
}
void operator delete[](void* memory) noexcept {
  Release(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
  Release(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
  Release(memory);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept {
  Release(memory);
}
void operator delete[](void* memory, const std::nothrow_t&) noexcept {
  Release(memory);
}

// Binds a function of a system DLL by name at run time, for calls that may be
// missing on older systems (or that are deliberately not imported).
#pragma once

#include <windows.h>

namespace ombrela {

template <typename Function>
Function BindFunction(const char* module_name, const char* function_name) {
  HMODULE module = GetModuleHandleA(module_name);
  if (!module) module = LoadLibraryA(module_name);
  if (!module) return nullptr;
  // Through void(*)(): the one cast between function types that says nothing.
  auto untyped = reinterpret_cast<void (*)()>(GetProcAddress(module, function_name));
  return reinterpret_cast<Function>(untyped);
}

}  // namespace ombrela

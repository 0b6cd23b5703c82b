#include "tests/soak/process_usage.h"

#include <windows.h>
#include <psapi.h>
#include <winternl.h>

#include <vector>

namespace ombrela::testing {

namespace {

// Wine answers GetProcessHandleCount with 0 but does keep the system-wide
// handle list, so there the handles of this process are counted in it.
uint32_t HandlesInSystemList() {
  using QueryFunction = LONG(WINAPI*)(ULONG, void*, ULONG, ULONG*);
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  if (!ntdll) return 0;
  auto query = reinterpret_cast<QueryFunction>(
      reinterpret_cast<void (*)()>(GetProcAddress(ntdll, "NtQuerySystemInformation")));
  if (!query) return 0;
  constexpr LONG kLengthMismatch = static_cast<LONG>(0xC0000004);
  std::vector<unsigned char> buffer(1 << 16);
  for (int attempt = 0; attempt < 8; ++attempt) {
    ULONG needed = 0;
    const LONG status =
        query(SystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
    if (status == kLengthMismatch) {
      buffer.resize(needed > buffer.size() ? needed + 4096 : buffer.size() * 2);
      continue;
    }
    if (status < 0) return 0;
    const auto* list = reinterpret_cast<const SYSTEM_HANDLE_INFORMATION*>(buffer.data());
    const DWORD self = GetCurrentProcessId();
    uint32_t count = 0;
    for (ULONG i = 0; i < list->Count; ++i) count += list->Handle[i].OwnerPid == self;
    return count;
  }
  return 0;
}

}  // namespace

ProcessUsage MeasureProcessUsage() {
  ProcessUsage usage;
  DWORD handles = 0;
  if (GetProcessHandleCount(GetCurrentProcess(), &handles) && handles > 0)
    usage.handles = handles;
  else
    usage.handles = HandlesInSystemList();
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof(counters);
  if (GetProcessMemoryInfo(GetCurrentProcess(),
                           reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                           sizeof(counters))) {
    usage.private_bytes = counters.PrivateUsage;
    usage.pagefile_bytes = counters.PagefileUsage;
  }
  return usage;
}

}  // namespace ombrela::testing

#include <windows.h>

#include "flashguard/flash_guard.h"

namespace ombrela {

namespace {

// Declared here: older headers lack the policy, and older systems the call.
// The policy number travels as an int, as the enumeration does.
constexpr int kProcessRedirectionTrustPolicy = 16;
constexpr DWORD kEnforceRedirectionTrust = 0x1;
struct RedirectionTrustPolicy {
  DWORD flags;
};
using SetPolicyFunction = BOOL(WINAPI*)(int policy, PVOID buffer, SIZE_T length);

}  // namespace

void RefuseUntrustedRedirection() {
  const HMODULE kernel = GetModuleHandleA("kernel32.dll");
  if (!kernel) return;
  const auto set_policy = reinterpret_cast<SetPolicyFunction>(
      reinterpret_cast<void (*)()>(GetProcAddress(kernel, "SetProcessMitigationPolicy")));
  if (!set_policy) return;
  RedirectionTrustPolicy policy{kEnforceRedirectionTrust};
  set_policy(kProcessRedirectionTrustPolicy, &policy, sizeof policy);
}

}  // namespace ombrela

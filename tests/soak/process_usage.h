// What this process holds, for leak checks: open handles and committed
// private memory. Figures a platform does not keep read as 0.
#pragma once

#include <cstddef>
#include <cstdint>

namespace ombrela::testing {

struct ProcessUsage {
  uint32_t handles = 0;       // GetProcessHandleCount, or the system handle list
  size_t private_bytes = 0;   // PrivateUsage
  size_t pagefile_bytes = 0;  // PagefileUsage; under Wine the anonymous resident memory
};

ProcessUsage MeasureProcessUsage();

}  // namespace ombrela::testing

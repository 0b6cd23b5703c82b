#include "hosts/dns_cache.h"

#include <windows.h>

#include "fileops/bound_function.h"

namespace ombrela {

void FlushResolverCache() {
  // Not imported: the program must start on systems without it.
  using FlushFunction = BOOL(WINAPI*)();
  static const auto flush = BindFunction<FlushFunction>("dnsapi.dll", "DnsFlushResolverCache");
  if (flush) flush();
}

}  // namespace ombrela

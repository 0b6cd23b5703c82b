// Makes a rewritten hosts file take effect at once.
#pragma once

namespace ombrela {

// Flushes the resolver cache; absence or failure changes nothing else.
void FlushResolverCache();

}  // namespace ombrela

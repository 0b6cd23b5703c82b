// Bounded message pumping for tests: nothing waits forever.
#pragma once

#include <functional>

namespace ombrela::testing {

// Pumps this thread's messages until the condition holds or max_ms pass;
// returns whether it held.
bool PumpUntil(const std::function<bool()>& condition, int max_ms = 5000);
// Pumps for the given time.
void PumpFor(int ms);

}  // namespace ombrela::testing

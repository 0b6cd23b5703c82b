#include "tests/support/pump.h"

#include <windows.h>

namespace ombrela::testing {

namespace {
void PumpPending() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}
}  // namespace

bool PumpUntil(const std::function<bool()>& condition, int max_ms) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(max_ms);
  for (;;) {
    PumpPending();
    if (condition()) return true;
    if (GetTickCount64() >= end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

void PumpFor(int ms) {
  PumpUntil([] { return false; }, ms);
}

}  // namespace ombrela::testing

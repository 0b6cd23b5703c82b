#include "ui/message_loop.h"

namespace ombrela {

int RunMessageLoop(std::optional<HWND> watched, std::optional<HACCEL> accelerators,
                   std::optional<bool> /*activex_forwarding: nothing here hosts ActiveX*/) {
  HWND window = watched.value_or(nullptr);
  HACCEL table = accelerators.value_or(nullptr);
  MSG message{};
  for (;;) {
    if (GetMessageA(&message, nullptr, 0, 0) == 0) break;
    if (!TranslateAcceleratorA(window, table, &message) && !IsDialogMessageA(window, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (window && !IsWindow(window)) break;
  }
  return static_cast<int>(message.wParam);
}

}  // namespace ombrela

// The message loop of the user-interface thread, with dialog-style keyboard
// handling (Tab, Space, mnemonics) for the watched window.
#pragma once

#include <windows.h>

#include <optional>

namespace ombrela {

// Ends on the quit message, or after the message during which the watched
// window disappeared; returns the last message's wParam.
int RunMessageLoop(std::optional<HWND> watched = std::nullopt,
                   std::optional<HACCEL> accelerators = std::nullopt,
                   std::optional<bool> activex_forwarding = std::nullopt);

}  // namespace ombrela

// The four window objects that make up the whole user interface. They exist,
// without windows, from start-up to exit.
#pragma once

#include <memory>

#include "ui/push_button.h"
#include "ui/status_bar.h"
#include "ui/top_level_window.h"

namespace ombrela {

extern std::unique_ptr<TopLevelWindow> MainWindow;
extern std::unique_ptr<PushButton> BlockButton;
extern std::unique_ptr<PushButton> RestoreButton;
extern std::unique_ptr<StatusBar> MainStatusBar;

// In this order; constructing the status bar initialises the bar classes.
void ConstructGlobals();
// In construction order; an object whose window is gone is only released.
void DestroyGlobals();

}  // namespace ombrela

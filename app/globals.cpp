#include "app/globals.h"

namespace ombrela {

std::unique_ptr<TopLevelWindow> MainWindow;
std::unique_ptr<PushButton> BlockButton;
std::unique_ptr<PushButton> RestoreButton;
std::unique_ptr<StatusBar> MainStatusBar;

void ConstructGlobals() {
  MainWindow = std::make_unique<TopLevelWindow>();
  BlockButton = std::make_unique<PushButton>();
  RestoreButton = std::make_unique<PushButton>();
  MainStatusBar = std::make_unique<StatusBar>();
}

void DestroyGlobals() {
  MainWindow.reset();
  BlockButton.reset();
  RestoreButton.reset();
  MainStatusBar.reset();
}

}  // namespace ombrela

// Start-up and lifetime: initialisation, the centred main window, the loop.
#pragma once

namespace ombrela {

inline constexpr int kMainWindowWidth = 320;
inline constexpr int kMainWindowHeight = 120;
inline constexpr unsigned long kMainWindowStyle = 0x06C80000;  // clip, caption, system menu

// floor((screen - window) / 2) in double precision: an odd remainder rounds
// towards the left and top, and a screen smaller than the window gives a
// negative origin.
int CenteredOrigin(int screen_size, int window_size);

// Sets InstanceHandle and ControlIdCounter (500).
void ProgramInit();
// Creates, runs the creation callback and shows the main window.
bool CreateMainWindow();
// The whole life of the user interface; the process exit code.
int ProgramMain();

}  // namespace ombrela

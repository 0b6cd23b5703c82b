// The main window's content: the controls, the wiring of its events, the
// information box at first activation and the fixed client height.
#pragma once

namespace ombrela {

inline constexpr int kClientHeight = 92;

// The creation callback: icon, controls, and the first-activation handler.
void OnMainWindowCreated();
void BuildControls();
// First activation: wire the events, show the status, list the sites.
void OnMainWindowReady();
void WireEvents();
// Keeps the client area 92 pixels high whenever the window moves.
void FixClientHeight();
void OnMainWindowDestroyed();
void OnMainWindowResized();

// The outer height that gives a 92-pixel client area.
int OuterHeightForClient(int client_height, int outer_height);

}  // namespace ombrela

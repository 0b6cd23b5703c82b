#include "app/program.h"

#include <windows.h>

#include <cmath>

#include "app/globals.h"
#include "app/main_window_content.h"
#include "fileops/bound_function.h"
#include "fileops/file_services.h"
#include "ui/instance.h"
#include "ui/message_loop.h"

namespace ombrela {

namespace {
constexpr const char* kMainWindowTitle = "Ombrelacv0.2 Quarnix专版";
constexpr int kExitNoWindow = 1;
}  // namespace

int CenteredOrigin(int screen_size, int window_size) {
  return static_cast<int>(std::floor((screen_size - window_size) / 2.0));
}

void ProgramInit() {
  if (!InstanceHandle) InstanceHandle = GetModuleHandleA(nullptr);
  ControlIdCounter = 500;
  // Registers the ActiveX host window class; nothing here hosts a control, so
  // a system without atl.dll loses nothing.
  using AtlAxWinInitFunction = BOOL(WINAPI*)();
  if (auto atl_ax_win_init = BindFunction<AtlAxWinInitFunction>("atl.dll", "AtlAxWinInit")) {
    atl_ax_win_init();
  }
}

bool CreateMainWindow() {
  int x = CenteredOrigin(GetSystemMetrics(SM_CXSCREEN), kMainWindowWidth);
  int y = CenteredOrigin(GetSystemMetrics(SM_CYSCREEN), kMainWindowHeight);
  return MainWindow->Create({.title = kMainWindowTitle,
                             .on_created = OnMainWindowCreated,
                             .x = x,
                             .y = y,
                             .width = kMainWindowWidth,
                             .height = kMainWindowHeight,
                             .style = kMainWindowStyle,
                             .ex_style = WS_EX_WINDOWEDGE});
}

int ProgramMain() {
  if (!CreateMainWindow()) {
    // Without a window nothing would ever post the quit message.
    ShowMessageBox("无法创建主窗口,程序无法运行.", MB_ICONERROR, "error");
    return kExitNoWindow;
  }
  RunMessageLoop(MainWindow->GetHandle());
  return 0;
}

}  // namespace ombrela

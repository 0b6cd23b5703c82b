#include "app/main_window_content.h"

#include <windows.h>

#include "app/globals.h"
#include "app/window_commands.h"
#include "fileops/bound_function.h"
#include "fileops/file_services.h"
#include "hosts/block_list.h"
#include "ui/instance.h"

namespace ombrela {

namespace {

constexpr int kIconId = 129;
constexpr const char* kBlockCaption = "屏蔽视频网站广告(&P)";
constexpr const char* kRestoreCaption = "还原Hosts备份(&Z)";
constexpr DWORD kStatusBarStyle = 0x50000803;  // tool tips, bottom, no size grip
constexpr int kStatusParts[] = {170, -1};
constexpr const char* kAuthorText = "By:Mirgel QQ:Kalvireth";
constexpr const char* kSiteListCaption = "By:Quarnix Mirgel 目前支持的视频网站有:";

}  // namespace

int OuterHeightForClient(int client_height, int outer_height) {
  return static_cast<int>((static_cast<double>(kClientHeight) - client_height) + outer_height);
}

void OnMainWindowCreated() {
  HICON icon = LoadIconA(InstanceHandle, MAKEINTRESOURCEA(kIconId));
  MainWindow->Icon(icon, ICON_BIG);
  BuildControls();
  MainWindow->SetOnFirstActivated(OnMainWindowReady);
}

void BuildControls() {
  BlockButton->Create({.parent = MainWindow->GetHandle(),
                       .caption = kBlockCaption,
                       .extra_style = BS_DEFPUSHBUTTON,
                       .x = 18,
                       .y = 20,
                       .width = 128,
                       .height = 32,
                       .ex_style = 0});
  RestoreButton->Create({.parent = MainWindow->GetHandle(),
                         .caption = kRestoreCaption,
                         .x = 166,
                         .y = 20,
                         .width = 128,
                         .height = 32,
                         .ex_style = 0});
  MainStatusBar->Create(MainWindow->GetHandle(), kStatusBarStyle, 0);
  MainStatusBar->SetParts(kStatusParts);
  MainStatusBar->SetPartText(1, kAuthorText);
}

void OnMainWindowReady() {
  WireEvents();
  RefreshStatus();
  ShowMessageBox(Text(SiteList), MB_OK, kSiteListCaption);
}

void WireEvents() {
  MainWindow->SetOnDestroyed(OnMainWindowDestroyed);
  MainWindow->SetOnMoved(FixClientHeight);
  MainWindow->SetOnResized(OnMainWindowResized);
  // The window's own entry points, not the ones that take a front end.
  BlockButton->SetClickHandler(static_cast<void (*)()>(BlockAds));
  RestoreButton->SetClickHandler(static_cast<void (*)()>(RestoreBackup));
}

void FixClientHeight() {
  // Bound by name at first use and kept, rather than imported.
  using GetClientRectFunction = BOOL(WINAPI*)(HWND, LPRECT);
  static const auto get_client_rect =
      BindFunction<GetClientRectFunction>("user32", "GetClientRect");
  RECT client{};
  if (get_client_rect) get_client_rect(MainWindow->GetHandle(), &client);
  if (client.bottom == kClientHeight) return;
  MainWindow->Height(OuterHeightForClient(client.bottom, MainWindow->Height()));
}

void OnMainWindowDestroyed() {
  PostQuitMessage(0);
}

void OnMainWindowResized() {
  MainStatusBar->Relayout();
}

}  // namespace ombrela

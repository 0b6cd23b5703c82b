#include "app/window_commands.h"

#include <windows.h>

#include "app/globals.h"
#include "fileops/file_services.h"
#include "hosts/failure_messages.h"

namespace ombrela {

namespace {

constexpr int32_t kQuestionStyle = MB_ICONQUESTION | MB_YESNO;
constexpr int32_t kErrorStyle = MB_ICONERROR | MB_OK;
constexpr int32_t kYes = IDYES - 1;
constexpr const char* kAlreadyBlockedQuestion =
    "已经屏蔽过广告.若需重新屏蔽,请先还原备份.是否还原备份?";
constexpr const char* kDeleteBackupQuestion = "是否删除备份?";
constexpr const char* kRestoredCaption = "还原完毕";
constexpr const char* kErrorCaption = "错误";

}  // namespace

void WindowCommandUi::SetStatusText(const Text& text) {
  MainStatusBar->SetPartText(0, text.c_str());
}

void WindowCommandUi::SetRestoreEnabled(bool enabled) {
  RestoreButton->Disabled(!enabled);
}

bool WindowCommandUi::AskRestoreInstead() {
  return ShowMessageBox(kAlreadyBlockedQuestion, kQuestionStyle) == kYes;
}

bool WindowCommandUi::AskDeleteBackup() {
  return ShowMessageBox(kDeleteBackupQuestion, kQuestionStyle, kRestoredCaption) == kYes;
}

void WindowCommandUi::ReportFailure(CommandFailure failure) {
  ShowMessageBox(FailureMessage(failure), kErrorStyle, kErrorCaption);
}

void RefreshStatus() {
  WindowCommandUi ui;
  RefreshStatus(ui);
}

void BlockAds() {
  WindowCommandUi ui;
  BlockAds(ui);
}

void RestoreBackup() {
  WindowCommandUi ui;
  RestoreBackup(ui);
}

}  // namespace ombrela

// The commands as the window runs them: status in the status bar and the
// restore button, questions and errors in message boxes.
#pragma once

#include "hosts/commands.h"

namespace ombrela {

class WindowCommandUi : public CommandUi {
 public:
  void SetStatusText(const Text& text) override;
  void SetRestoreEnabled(bool enabled) override;
  bool AskRestoreInstead() override;
  bool AskDeleteBackup() override;
  void ReportFailure(CommandFailure failure) override;
};

// The entry points the window's handlers call.
void RefreshStatus();
void BlockAds();
void RestoreBackup();

}  // namespace ombrela

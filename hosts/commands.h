// The block and restore commands. Questions and error reports go through the
// caller's CommandUi: the window asks with message boxes, other front ends
// answer with fixed decisions.
#pragma once

#include "hosts/status.h"

namespace ombrela {

// Failures after which the user's hosts content is still intact.
enum class CommandFailure {
  kHostsUnreadable,    // block: the hosts file exists but cannot be read
  kBackupUnwritable,   // block: the backup could not be written and read back
  kHostsUnwritable,    // block: the hosts file could not be replaced
  kNoReadableBackup,   // restore: no backup to restore from
  kRestoreUnwritable,  // restore: the hosts file could not be replaced
};

class CommandUi : public StatusView {
 public:
  // "已经屏蔽过广告...是否还原备份?"; true for Yes.
  virtual bool AskRestoreInstead() = 0;
  // "是否删除备份?" after a restore; true for Yes.
  virtual bool AskDeleteBackup() = 0;
  virtual void ReportFailure(CommandFailure failure) = 0;
};

// Guard, then back up and block; when already blocked, offer a restore.
void BlockAds(CommandUi& ui);
// Write the backup back over the hosts file; offer to delete the backup.
void RestoreBackup(CommandUi& ui);

}  // namespace ombrela

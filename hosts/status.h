// Whether the hosts file carries the block and whether a backup exists, shown
// through a view that the caller hands in.
#pragma once

#include "fileops/text.h"

namespace ombrela {

class StatusView {
 public:
  virtual ~StatusView() = default;
  // Part 0 of the status bar.
  virtual void SetStatusText(const Text& text) = 0;
  // The restore button is usable only while a backup exists.
  virtual void SetRestoreEnabled(bool enabled) = 0;
};

// "\drivers\etc\hosts" and "\drivers\etc\hosts.bak" below a fresh system
// folder query; empty when the query failed.
Text HostsPath();
Text BackupPath();

// Looks at both files afresh and updates the view.
void RefreshStatus(StatusView& view);

}  // namespace ombrela

#include "cli/verbs.h"

#include "cli/cli_command_ui.h"
#include "cli/console.h"
#include "cli/exit_codes.h"
#include "cli/hosts_state.h"
#include "hosts/commands.h"
#include "hosts/status.h"

namespace ombrela::cli {

namespace {

// Without the system folder the commands have nothing to work on and would
// end silently; a script must not take that for success.
bool KnowsTheHostsFolder() {
  if (!HostsPath().empty() && !BackupPath().empty()) return true;
  WriteError("the system folder could not be found; nothing was changed",
             "无法找到系统文件夹,未做任何修改.");
  return false;
}

int ExitCodeFor(CommandFailure failure) {
  return failure == CommandFailure::kNoReadableBackup ? kExitNoBackup : kExitFailed;
}

// Every command ends as the window's do, with the state as it now stands.
int EndWith(int exit_code) {
  WriteOut(StateLines(ReadHostsState()));
  return exit_code;
}

}  // namespace

int RunStatus() {
  const HostsState state = ReadHostsState();
  WriteOut(StateLines(state));
  return state.blocked ? kExitDone : kExitNotBlocked;
}

int RunBlock() {
  if (!KnowsTheHostsFolder()) return kExitFailed;
  CliCommandUi ui;
  BlockAds(ui);
  if (ui.Failure()) return EndWith(ExitCodeFor(*ui.Failure()));
  WriteOut(ui.FoundBlockInPlace()
               ? "already blocked; nothing changed\r\n"
               : "block added; the previous hosts file is saved as hosts.bak\r\n");
  return EndWith(kExitDone);
}

int RunRestore(bool keep_backup) {
  if (!KnowsTheHostsFolder()) return kExitFailed;
  CliCommandUi ui(!keep_backup);
  RestoreBackup(ui);
  if (ui.Failure()) return EndWith(ExitCodeFor(*ui.Failure()));
  WriteOut("hosts file restored from hosts.bak\r\n");
  const HostsState state = ReadHostsState();
  if (keep_backup) {
    WriteOut("backup kept\r\n");
  } else if (state.has_backup) {
    // The hosts file is back as it was, which is what a restore is for:
    // the run still counts as done.
    WriteWarning("hosts.bak could not be deleted");
  } else {
    WriteOut("backup deleted\r\n");
  }
  WriteOut(StateLines(state));
  return kExitDone;
}

}  // namespace ombrela::cli

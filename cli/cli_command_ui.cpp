#include "cli/cli_command_ui.h"

#include <string_view>

#include "cli/console.h"
#include "hosts/failure_messages.h"

namespace ombrela::cli {

namespace {

// The English words beside the window's own Chinese ones.
std::string_view EnglishMessage(CommandFailure failure) {
  switch (failure) {
    case CommandFailure::kHostsUnreadable:
      return "the hosts file exists but cannot be read; nothing was changed";
    case CommandFailure::kBackupUnwritable:
      return "hosts.bak could not be written and read back; the hosts file was not changed";
    case CommandFailure::kHostsUnwritable:
      return "the hosts file could not be replaced; it keeps its previous content";
    case CommandFailure::kNoReadableBackup:
      return "there is no readable hosts.bak; the hosts file was not changed";
    case CommandFailure::kRestoreUnwritable:
      return "the hosts file could not be replaced; it keeps its content and hosts.bak is kept";
  }
  return "";
}

}  // namespace

bool CliCommandUi::AskRestoreInstead() {
  found_block_ = true;
  return false;
}

bool CliCommandUi::AskDeleteBackup() {
  return delete_backup_;
}

void CliCommandUi::ReportFailure(CommandFailure failure) {
  WriteError(EnglishMessage(failure), FailureMessage(failure));
  if (!failure_) failure_ = failure;
}

}  // namespace ombrela::cli

// The shared commands run unattended: every question has a fixed answer and
// every failure goes to standard error at once, in English and in Chinese.
#pragma once

#include <optional>

#include "hosts/commands.h"

namespace ombrela::cli {

class CliCommandUi : public CommandUi {
 public:
  // Whether a restore deletes the backup after writing it back.
  explicit CliCommandUi(bool delete_backup = true) : delete_backup_(delete_backup) {}

  // The command line prints its own state lines once the command is over.
  void SetStatusText(const Text&) override {}
  void SetRestoreEnabled(bool) override {}

  // A block already in place is left alone: a second run changes nothing.
  bool AskRestoreInstead() override;
  bool AskDeleteBackup() override;
  void ReportFailure(CommandFailure failure) override;

  bool FoundBlockInPlace() const { return found_block_; }
  // The first failure reported, if any.
  std::optional<CommandFailure> Failure() const { return failure_; }

 private:
  bool delete_backup_;
  bool found_block_ = false;
  std::optional<CommandFailure> failure_;
};

}  // namespace ombrela::cli

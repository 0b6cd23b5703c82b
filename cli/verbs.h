// The three commands of ombrela-cli. Each ends by printing the state lines
// on standard output and returns the process exit code (cli/exit_codes.h).
#pragma once

namespace ombrela::cli {

int RunStatus();
// Guard and block as the window's block button does; a block already in
// place is left as it is and counts as done.
int RunBlock();
// Writes the backup back; deletes it afterwards unless keep_backup.
int RunRestore(bool keep_backup);

}  // namespace ombrela::cli

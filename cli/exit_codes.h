// The process exit codes, the interface that deployment tools test.
#pragma once

namespace ombrela::cli {

constexpr int kExitDone = 0;        // done; for status: the block is present
constexpr int kExitNotBlocked = 1;  // status: the block is not present
constexpr int kExitFailed = 2;      // a command failed; the hosts content is intact
constexpr int kExitNoBackup = 3;    // restore: no readable backup, nothing changed
constexpr int kExitUsage = 64;      // bad command line (EX_USAGE of sysexits.h)

}  // namespace ombrela::cli

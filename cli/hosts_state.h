// The two facts the window's status line shows, as values for the command
// line: whether the hosts file carries the block, whether a backup exists.
#pragma once

#include <string>

namespace ombrela::cli {

struct HostsState {
  bool blocked = false;
  bool has_backup = false;
};

// Looks at both files afresh, by the same tests as the status line.
HostsState ReadHostsState();

// "blocked: yes\r\nbackup: no\r\n", the lines every command ends with.
std::string StateLines(const HostsState& state);

}  // namespace ombrela::cli

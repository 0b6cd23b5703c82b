#include "cli/hosts_state.h"

#include <optional>

#include "fileops/file_services.h"
#include "hosts/marker_search.h"
#include "hosts/status.h"

namespace ombrela::cli {

HostsState ReadHostsState() {
  HostsState state;
  const Text backup = BackupPath();
  state.has_backup = !backup.empty() && FileExists(backup);
  // A hosts file that is missing or cannot be read carries no block.
  const Text hosts = HostsPath();
  if (!hosts.empty()) {
    const std::optional<ByteSet> content = ReadWholeFile(hosts);
    state.blocked = content && ContainsBlockMarker(*content);
  }
  return state;
}

std::string StateLines(const HostsState& state) {
  std::string lines = "blocked: ";
  lines.append(state.blocked ? "yes" : "no").append("\r\nbackup: ");
  lines.append(state.has_backup ? "yes" : "no").append("\r\n");
  return lines;
}

}  // namespace ombrela::cli

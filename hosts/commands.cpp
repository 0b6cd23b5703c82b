#include "hosts/commands.h"

#include "fileops/atomic_write.h"
#include "fileops/file_services.h"
#include "flashguard/flash_guard.h"
#include "hosts/block_list.h"
#include "hosts/dns_cache.h"
#include "hosts/marker_search.h"

namespace ombrela {

namespace {

constexpr uint32_t kArchiveOnly = 32;  // FILE_ATTRIBUTE_ARCHIVE

// The backup counts only once it has been read back equal to what it must hold.
bool WriteVerifiedBackup(const Text& path, const ByteSet& content) {
  if (!ReplaceFileContents(path, content)) return false;
  std::optional<ByteSet> written = ReadWholeFile(path);
  return written && *written == content;
}

}  // namespace

void BlockAds(CommandUi& ui) {
  GuardFlashStorage();

  Text hosts = HostsPath();
  Text backup = BackupPath();
  if (hosts.empty() || backup.empty()) {
    RefreshStatus(ui);
    return;
  }

  std::optional<ByteSet> previous = ReadWholeFile(hosts);
  if (!previous) {
    if (FileExists(hosts)) {
      // There is content, but not to be had: nothing to save, so change nothing.
      ui.ReportFailure(CommandFailure::kHostsUnreadable);
      RefreshStatus(ui);
      return;
    }
    previous.emplace();  // a missing hosts file counts as empty
  }

  if (ContainsBlockMarker(*previous)) {
    if (ui.AskRestoreInstead()) RestoreBackup(ui);
  } else if (!WriteVerifiedBackup(backup, *previous)) {
    ui.ReportFailure(CommandFailure::kBackupUnwritable);
  } else {
    // Only now, with the content safe in the backup, is the hosts file touched.
    SetAttributes(hosts, kArchiveOnly);
    ByteSet block = TextToBytes(BlockText());
    if (ReplaceFileContents(hosts, ConcatBytes({&*previous, &block}))) {
      FlushResolverCache();
    } else {
      ui.ReportFailure(CommandFailure::kHostsUnwritable);
    }
  }
  RefreshStatus(ui);
}

void RestoreBackup(CommandUi& ui) {
  Text hosts = HostsPath();
  Text backup = BackupPath();
  if (hosts.empty() || backup.empty()) {
    RefreshStatus(ui);
    return;
  }

  std::optional<ByteSet> content = ReadWholeFile(backup);
  if (!content) {
    ui.ReportFailure(CommandFailure::kNoReadableBackup);
  } else if (!ReplaceFileContents(hosts, *content)) {
    ui.ReportFailure(CommandFailure::kRestoreUnwritable);
  } else {
    FlushResolverCache();
    if (ui.AskDeleteBackup()) RemoveFile(backup);
  }
  RefreshStatus(ui);
}

}  // namespace ombrela

#include "hosts/status.h"

#include "fileops/file_services.h"
#include "hosts/marker_search.h"

namespace ombrela {

namespace {

// Every path comes from a fresh folder query; a failed query gives no path.
Text PathBelowSystemFolder(std::string_view fragment) {
  Text folder = SystemFolder();
  if (folder.empty()) return {};
  return ConcatText({folder, fragment});
}

constexpr const char* kDone = "已";
constexpr const char* kNotDone = "未";

}  // namespace

Text HostsPath() {
  return PathBelowSystemFolder("\\drivers\\etc\\hosts");
}
Text BackupPath() {
  return PathBelowSystemFolder("\\drivers\\etc\\hosts.bak");
}

void RefreshStatus(StatusView& view) {
  Text backup = BackupPath();
  bool has_backup = !backup.empty() && FileExists(backup);
  view.SetRestoreEnabled(has_backup);

  bool blocked = false;
  Text hosts = HostsPath();
  if (!hosts.empty()) {
    std::optional<ByteSet> content = ReadWholeFile(hosts);
    blocked = content && ContainsBlockMarker(*content);
  }

  view.SetStatusText(ConcatText(
      {blocked ? kDone : kNotDone, "屏蔽广告｜", has_backup ? kDone : kNotDone, "检测到备份"}));
}

}  // namespace ombrela

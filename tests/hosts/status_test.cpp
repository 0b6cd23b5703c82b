#include "hosts/status.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "hosts/block_list.h"
#include "tests/hosts/recording_ui.h"
#include "tests/support/prefix_files.h"
#include "tests/support/status_texts.h"

namespace ombrela {
namespace {

using testing::RecordingUi;

const std::string kClean = "127.0.0.1 localhost\r\n";
std::string Marker() {
  return std::string(BlockMarker);
}
std::string LowerCaseMarker() {
  std::string marker = Marker();
  marker.replace(marker.find("QQ"), 2, "qq");
  return marker;
}

struct StatusCase {
  const char* name;
  std::optional<std::string> hosts;  // nullopt: no hosts file
  enum Backup { kNone, kFile, kFolder } backup;
  bool blocked;
};

class RefreshStatusTest : public ::testing::TestWithParam<StatusCase> {
 protected:
  void TearDown() override { testing::RemovePath(testing::TestBackupPath()); }
  testing::SavedHostsFiles saved_;
};

TEST_P(RefreshStatusTest, ShowsWhatTheFilesHold) {
  const StatusCase& c = GetParam();
  testing::SetHostsFiles(c.hosts, c.backup == StatusCase::kFile
                                      ? std::optional<std::string>("old hosts\r\n")
                                      : std::nullopt);
  if (c.backup == StatusCase::kFolder) {
    ASSERT_TRUE(CreateDirectoryA(testing::TestBackupPath().c_str(), nullptr));
  }
  RecordingUi view;
  view.restore_enabled = c.backup == StatusCase::kNone;  // must be set either way
  RefreshStatus(view);
  bool has_backup = c.backup != StatusCase::kNone;
  EXPECT_EQ(view.status, testing::ExpectedStatus(c.blocked, has_backup));
  EXPECT_EQ(view.restore_enabled, has_backup);
  // Looking never changes a file.
  EXPECT_EQ(testing::ReadFileBytes(testing::TestHostsPath()), c.hosts);
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefreshStatusTest,
    ::testing::Values(
        StatusCase{"CleanNoBackup", kClean, StatusCase::kNone, false},
        StatusCase{"CleanWithBackup", kClean, StatusCase::kFile, false},
        StatusCase{"BlockedWithBackup", kClean + BlockText(), StatusCase::kFile, true},
        StatusCase{"BlockedNoBackup", kClean + BlockText(), StatusCase::kNone, true},
        StatusCase{"MarkerInLowerCase", "x\r\n#" + LowerCaseMarker() + "\r\n", StatusCase::kNone,
                   true},
        StatusCase{"MarkerInTheMiddle", kClean + "#" + Marker() + "\r\n" + kClean,
                   StatusCase::kNone, true},
        StatusCase{"MarkerAfterANulByte", kClean + std::string(1, '\0') + "#" + Marker(),
                   StatusCase::kNone, true},
        StatusCase{"MarkerCutShort", kClean + Marker().substr(0, 28), StatusCase::kNone, false},
        StatusCase{"MarkerSplitByANul",
                   Marker().substr(0, 10) + std::string(1, '\0') + Marker().substr(10),
                   StatusCase::kNone, false},
        StatusCase{"EmptyHostsFile", "", StatusCase::kNone, false},
        StatusCase{"NoHostsFile", std::nullopt, StatusCase::kFile, false},
        StatusCase{"BackupIsAFolder", kClean, StatusCase::kFolder, false}),
    [](const ::testing::TestParamInfo<StatusCase>& param) { return param.param.name; });

TEST(HostsPaths, FollowTheSystemFolder) {
  const std::string hosts = HostsPath();
  EXPECT_EQ(hosts, testing::TestHostsPath());
  EXPECT_EQ(BackupPath(), hosts + ".bak");
}

}  // namespace
}  // namespace ombrela

#include "hosts/commands.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "hosts/block_list.h"
#include "tests/hosts/recording_ui.h"
#include "tests/support/prefix_files.h"

namespace ombrela {
namespace {

using testing::ReadFileBytes;
using testing::RecordingUi;
using testing::TestBackupPath;
using testing::TestHostsPath;

const std::string kUserHosts = "127.0.0.1 localhost\r\n10.0.0.5 printer # mine\r\n";

std::optional<std::string> Hosts() {
  return ReadFileBytes(TestHostsPath());
}
std::optional<std::string> Backup() {
  return ReadFileBytes(TestBackupPath());
}

void SetReadOnly(const std::string& path, bool read_only) {
  SetFileAttributesA(path.c_str(), read_only ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
}

class CommandsTest : public ::testing::Test {
 protected:
  void TearDown() override {
    SetReadOnly(TestHostsPath(), false);
    SetReadOnly(TestBackupPath(), false);
    EXPECT_TRUE(testing::StrayFilesBesideHosts().empty())
        << "a temporary file was left beside the hosts file";
  }
  testing::SavedHostsFiles saved_;
};

TEST_F(CommandsTest, FirstBlockBacksUpExactlyAndAppendsTheBlockSilently) {
  testing::SetHostsFiles(kUserHosts, std::nullopt);
  RecordingUi ui;
  BlockAds(ui);
  EXPECT_EQ(Backup(), kUserHosts);
  EXPECT_EQ(Hosts(), kUserHosts + BlockText());
  EXPECT_TRUE(ui.Questions().empty());
  EXPECT_TRUE(ui.errors.empty());
  EXPECT_EQ(ui.status, "已屏蔽广告｜已检测到备份");
  EXPECT_TRUE(ui.restore_enabled);
}

TEST_F(CommandsTest, SecondBlockAsksAndNoLeavesBothFiles) {
  testing::SetHostsFiles(kUserHosts, std::nullopt);
  RecordingUi first;
  BlockAds(first);
  RecordingUi ui({false});
  BlockAds(ui);
  EXPECT_EQ(ui.Questions(), std::vector<std::string>{"ask-restore"});
  EXPECT_EQ(Hosts(), kUserHosts + BlockText());
  EXPECT_EQ(Backup(), kUserHosts);
}

TEST_F(CommandsTest, YesRestoresTheBackupAsksToDeleteAndDoesNotBlockAgain) {
  testing::SetHostsFiles(kUserHosts + BlockText(), kUserHosts);
  RecordingUi ui({true, false});
  BlockAds(ui);
  EXPECT_EQ(ui.Questions(), (std::vector<std::string>{"ask-restore", "ask-delete"}));
  EXPECT_EQ(Hosts(), kUserHosts);
  EXPECT_EQ(Backup(), kUserHosts);
  EXPECT_EQ(ui.status, "未屏蔽广告｜已检测到备份");
  // The status is refreshed at the end of the restore and again after it.
  int refreshes = 0;
  for (const auto& e : ui.events) refreshes += e == "status";
  EXPECT_EQ(refreshes, 2);
}

TEST_F(CommandsTest, RestoreWithYesDeletesTheBackup) {
  testing::SetHostsFiles(kUserHosts + BlockText(), kUserHosts);
  RecordingUi ui({true});
  RestoreBackup(ui);
  EXPECT_EQ(Hosts(), kUserHosts);
  EXPECT_EQ(Backup(), std::nullopt);
  EXPECT_EQ(ui.status, "未屏蔽广告｜未检测到备份");
  EXPECT_FALSE(ui.restore_enabled);
}

TEST_F(CommandsTest, ReadOnlyHostsFileIsBlockedAllTheSame) {
  testing::SetHostsFiles(kUserHosts, std::nullopt);
  SetReadOnly(TestHostsPath(), true);
  RecordingUi ui;
  BlockAds(ui);
  EXPECT_TRUE(ui.errors.empty());
  EXPECT_EQ(Hosts(), kUserHosts + BlockText());
  EXPECT_EQ(GetFileAttributesA(TestHostsPath().c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
}

TEST_F(CommandsTest, NulBytesAreKeptWholeAndDoNotHideAMarker) {
  const std::string with_nul = std::string("a\0b\r\n\0", 6) + kUserHosts;
  testing::SetHostsFiles(with_nul, std::nullopt);
  RecordingUi ui;
  BlockAds(ui);
  EXPECT_EQ(Backup(), with_nul);
  EXPECT_EQ(Hosts(), with_nul + BlockText());
  // A second click must see the block behind the NUL and not append it again,
  // which would overwrite the backup with blocked content.
  RecordingUi again({false});
  BlockAds(again);
  EXPECT_EQ(again.Questions(), std::vector<std::string>{"ask-restore"});
  EXPECT_EQ(Hosts(), with_nul + BlockText());
  EXPECT_EQ(Backup(), with_nul);
}

TEST_F(CommandsTest, MissingHostsFileGivesAnEmptyBackupAndTheBlockAlone) {
  testing::SetHostsFiles(std::nullopt, std::nullopt);
  RecordingUi ui;
  BlockAds(ui);
  EXPECT_EQ(Backup(), "");
  EXPECT_EQ(Hosts(), BlockText());
}

TEST_F(CommandsTest, EmptyBackupRestoresAnEmptyHostsFile) {
  testing::SetHostsFiles(BlockText(), "");
  RecordingUi ui({false});
  RestoreBackup(ui);
  EXPECT_EQ(Hosts(), "");
  EXPECT_EQ(Backup(), "");
}

TEST_F(CommandsTest, EachBlockReplacesTheBackup) {
  testing::SetHostsFiles(kUserHosts, std::nullopt);
  RecordingUi ui({false});
  BlockAds(ui);
  RestoreBackup(ui);  // No: the backup stays
  const std::string edited = kUserHosts + "192.168.1.9 nas\r\n";
  testing::SetHostsFiles(edited, kUserHosts);
  BlockAds(ui);
  EXPECT_EQ(Backup(), edited);
  EXPECT_EQ(Hosts(), edited + BlockText());
}

TEST_F(CommandsTest, UnreadableHostsFileChangesNothing) {
  testing::SetHostsFiles(kUserHosts, "earlier backup");
  // Held open without sharing, as another program might.
  HANDLE holder =
      CreateFileA(TestHostsPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  RecordingUi ui;
  BlockAds(ui);
  CloseHandle(holder);
  EXPECT_EQ(ui.errors, std::vector<CommandFailure>{CommandFailure::kHostsUnreadable});
  EXPECT_EQ(Hosts(), kUserHosts);
  EXPECT_EQ(Backup(), "earlier backup");
}

TEST_F(CommandsTest, UnwritableBackupLeavesTheHostsFileUntouched) {
  testing::SetHostsFiles(kUserHosts, "earlier backup");
  SetReadOnly(TestHostsPath(), true);
  SetReadOnly(TestBackupPath(), true);
  RecordingUi ui;
  BlockAds(ui);
  EXPECT_EQ(ui.errors, std::vector<CommandFailure>{CommandFailure::kBackupUnwritable});
  EXPECT_EQ(Hosts(), kUserHosts);
  EXPECT_EQ(Backup(), "earlier backup");
  EXPECT_NE(GetFileAttributesA(TestHostsPath().c_str()) & FILE_ATTRIBUTE_READONLY, 0u)
      << "not even the attributes change";
}

TEST_F(CommandsTest, HostsFileHeldOpenIsNeverHalfWritten) {
  testing::SetHostsFiles(kUserHosts, std::nullopt);
  // Readable by others, but not replaceable while this handle is open.
  HANDLE holder = CreateFileA(TestHostsPath().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  RecordingUi ui;
  BlockAds(ui);
  CloseHandle(holder);
  EXPECT_EQ(ui.errors, std::vector<CommandFailure>{CommandFailure::kHostsUnwritable});
  EXPECT_EQ(Hosts(), kUserHosts);
  EXPECT_EQ(Backup(), kUserHosts) << "the backup is complete, and harmless";
  EXPECT_EQ(ui.status, "未屏蔽广告｜已检测到备份");
}

TEST_F(CommandsTest, YesWithoutABackupLeavesTheHostsFileAndAsksNothingMore) {
  testing::SetHostsFiles(kUserHosts + BlockText(), std::nullopt);
  RecordingUi ui({true, true});
  BlockAds(ui);
  EXPECT_EQ(ui.Questions(), std::vector<std::string>{"ask-restore"});
  EXPECT_EQ(ui.errors, std::vector<CommandFailure>{CommandFailure::kNoReadableBackup});
  EXPECT_EQ(Hosts(), kUserHosts + BlockText());
}

TEST_F(CommandsTest, RestoreThatCannotWriteKeepsBothFilesAndAsksNothing) {
  testing::SetHostsFiles(kUserHosts + BlockText(), kUserHosts);
  HANDLE holder = CreateFileA(TestHostsPath().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  RecordingUi ui({true});
  RestoreBackup(ui);
  CloseHandle(holder);
  EXPECT_TRUE(ui.Questions().empty());
  EXPECT_EQ(ui.errors, std::vector<CommandFailure>{CommandFailure::kRestoreUnwritable});
  EXPECT_EQ(Hosts(), kUserHosts + BlockText());
  EXPECT_EQ(Backup(), kUserHosts);
}

TEST_F(CommandsTest, ReadOnlyHostsFileIsNotRestoredOver) {
  testing::SetHostsFiles(kUserHosts + BlockText(), kUserHosts);
  SetReadOnly(TestHostsPath(), true);
  RecordingUi ui({true});
  RestoreBackup(ui);
  EXPECT_EQ(ui.errors, std::vector<CommandFailure>{CommandFailure::kRestoreUnwritable});
  EXPECT_EQ(Hosts(), kUserHosts + BlockText());
  EXPECT_EQ(Backup(), kUserHosts);
}

}  // namespace
}  // namespace ombrela

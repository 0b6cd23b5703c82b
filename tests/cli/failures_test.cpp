// Commands that meet a file they cannot use: exit code 2 (3 for a restore
// without a readable backup), the message on standard error in both
// languages, and the user's hosts content intact.
#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "fileops/unique_handle.h"
#include "hosts/block_list.h"
#include "tests/cli/cli_fixture.h"

namespace ombrela::testing {
namespace {

const std::string kEarlierBackup = "earlier backup\r\n";

enum class Obstacle {
  kHostsHeldForReading,  // another program reads it: it cannot be replaced
  kHostsHeldAlone,       // opened without sharing: it cannot even be read
  kBackupReadOnly,
  kBackupIsAFolder,
};

struct FailureCase {
  const char* name;
  const char* arguments;
  HostsFiles before;
  Obstacle obstacle;
  unsigned long exit_code;
  HostsFiles after;
  std::string out;
  std::string err;
};

// Failures name the case, not its bytes.
void PrintTo(const FailureCase& c, std::ostream* os) {
  *os << c.name;
}

class CliFailureTest : public CliTest, public ::testing::WithParamInterface<FailureCase> {
 protected:
  void TearDown() override {
    holder_.Close();
    CliTest::TearDown();
  }
  void Raise(Obstacle obstacle) {
    switch (obstacle) {
      case Obstacle::kHostsHeldForReading:
        Hold(FILE_SHARE_READ);
        break;
      case Obstacle::kHostsHeldAlone:
        Hold(0);
        break;
      case Obstacle::kBackupReadOnly:
        SetReadOnly(TestBackupPath(), true);
        break;
      case Obstacle::kBackupIsAFolder:
        RemovePath(TestBackupPath());
        ASSERT_TRUE(CreateDirectoryA(TestBackupPath().c_str(), nullptr));
        break;
    }
  }
  // Ends the obstacle before the files are read back.
  void Lower() {
    holder_.Close();
    SetReadOnly(TestBackupPath(), false);
    if (IsFolder(TestBackupPath())) RemoveDirectoryA(TestBackupPath().c_str());
  }

 private:
  void Hold(DWORD share) {
    holder_.Reset(CreateFileA(TestHostsPath().c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                              0, nullptr));
    ASSERT_TRUE(holder_);
  }
  UniqueFile holder_;
};

TEST_P(CliFailureTest, ReportsInBothLanguagesAndKeepsTheHostsContent) {
  const FailureCase& c = GetParam();
  SetHostsFiles(c.before.hosts, c.before.backup);
  Raise(c.obstacle);
  const CliResult result = RunCli(c.arguments);
  Lower();
  EXPECT_EQ(result.exit_code, c.exit_code);
  EXPECT_EQ(result.err, c.err);
  EXPECT_EQ(result.out, c.out);
  EXPECT_EQ(CurrentFiles(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Obstacles, CliFailureTest,
    ::testing::Values(
        // The backup is written and read back first; the hosts file then
        // cannot be swapped and keeps every byte.
        FailureCase{
            "BlockWhileHostsIsHeld",
            "block",
            {kUserHosts, std::nullopt},
            Obstacle::kHostsHeldForReading,
            2,
            {kUserHosts, kUserHosts},
            StateLines(false, true),
            ErrorLines("the hosts file could not be replaced; it keeps its previous content",
                       "无法写入Hosts文件,Hosts文件未改动.")},
        FailureCase{"BlockWhileHostsIsUnreadable",
                    "block",
                    {kUserHosts, kEarlierBackup},
                    Obstacle::kHostsHeldAlone,
                    2,
                    {kUserHosts, kEarlierBackup},
                    StateLines(false, true),
                    ErrorLines("the hosts file exists but cannot be read; nothing was changed",
                               "无法读取Hosts文件,未做任何修改.")},
        FailureCase{"BlockWithReadOnlyBackup",
                    "block",
                    {kUserHosts, kEarlierBackup},
                    Obstacle::kBackupReadOnly,
                    2,
                    {kUserHosts, kEarlierBackup},
                    StateLines(false, true),
                    ErrorLines("hosts.bak could not be written and read back; the hosts file was "
                               "not changed",
                               "无法写入备份文件,Hosts文件未改动.")},
        FailureCase{"RestoreWhileHostsIsHeld",
                    "restore",
                    {kUserHosts + BlockText(), kUserHosts},
                    Obstacle::kHostsHeldForReading,
                    2,
                    {kUserHosts + BlockText(), kUserHosts},
                    StateLines(true, true),
                    ErrorLines("the hosts file could not be replaced; it keeps its content and "
                               "hosts.bak is kept",
                               "无法写入Hosts文件,备份已保留.")},
        // A folder named hosts.bak counts as a backup for the status, but
        // there is nothing in it to restore.
        FailureCase{"RestoreFromAFolder",
                    "restore",
                    {kUserHosts + BlockText(), std::nullopt},
                    Obstacle::kBackupIsAFolder,
                    3,
                    {kUserHosts + BlockText(), std::nullopt},
                    StateLines(true, true),
                    ErrorLines("there is no readable hosts.bak; the hosts file was not changed",
                               "未找到可读取的备份文件,Hosts文件未改动.")},
        // The restore itself succeeds; only the deletion is refused. The
        // hosts file is what the caller asked for, so the run counts as done.
        FailureCase{"RestoreWithReadOnlyBackup",
                    "restore",
                    {kUserHosts + BlockText(), kUserHosts},
                    Obstacle::kBackupReadOnly,
                    0,
                    {kUserHosts, kUserHosts},
                    kRestored + StateLines(false, true),
                    "ombrela-cli: warning: hosts.bak could not be deleted\r\n"}),
    [](const ::testing::TestParamInfo<FailureCase>& param) { return param.param.name; });

}  // namespace
}  // namespace ombrela::testing

// Each command on each combination of the two files: what it leaves on disk,
// what it prints and how it exits.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "hosts/block_list.h"
#include "tests/cli/cli_fixture.h"

namespace ombrela::testing {
namespace {

const std::string kNoBackupError =
    ErrorLines("there is no readable hosts.bak; the hosts file was not changed",
               "未找到可读取的备份文件,Hosts文件未改动.");

HostsFiles Clean() {
  return {kUserHosts, std::nullopt};
}
HostsFiles CleanWithBackup() {
  return {kUserHosts, kOlderBackup};
}
HostsFiles BlockedNoBackup() {
  return {kUserHosts + BlockText(), std::nullopt};
}
HostsFiles Blocked() {
  return {kUserHosts + BlockText(), kOlderBackup};
}

struct VerbCase {
  const char* name;
  const char* arguments;
  HostsFiles before;
  unsigned long exit_code;
  HostsFiles after;
  std::string out;
  std::string err;
};

// Failures name the case, not its bytes.
void PrintTo(const VerbCase& c, std::ostream* os) {
  *os << c.name;
}

class CliVerbTest : public CliTest, public ::testing::WithParamInterface<VerbCase> {};

TEST_P(CliVerbTest, LeavesTheFilesPrintsAndExitsAsDocumented) {
  const VerbCase& c = GetParam();
  SetHostsFiles(c.before.hosts, c.before.backup);
  const CliResult result = RunCli(c.arguments);
  EXPECT_EQ(result.exit_code, c.exit_code);
  EXPECT_EQ(CurrentFiles(), c.after);
  EXPECT_EQ(result.out, c.out);
  EXPECT_EQ(result.err, c.err);
}

INSTANTIATE_TEST_SUITE_P(
    FourFileStates, CliVerbTest,
    ::testing::Values(
        VerbCase{"StatusClean", "status", Clean(), 1, Clean(), StateLines(false, false), ""},
        VerbCase{"StatusCleanWithBackup", "status", CleanWithBackup(), 1, CleanWithBackup(),
                 StateLines(false, true), ""},
        VerbCase{"StatusBlockedNoBackup", "status", BlockedNoBackup(), 0, BlockedNoBackup(),
                 StateLines(true, false), ""},
        VerbCase{"StatusBlocked", "status", Blocked(), 0, Blocked(), StateLines(true, true), ""},

        VerbCase{"BlockClean",
                 "block",
                 Clean(),
                 0,
                 {kUserHosts + BlockText(), kUserHosts},
                 kAdded + StateLines(true, true),
                 ""},
        // Each block replaces the backup with what the hosts file held.
        VerbCase{"BlockCleanWithBackup",
                 "block",
                 CleanWithBackup(),
                 0,
                 {kUserHosts + BlockText(), kUserHosts},
                 kAdded + StateLines(true, true),
                 ""},
        VerbCase{"BlockBlockedNoBackup", "block", BlockedNoBackup(), 0, BlockedNoBackup(),
                 kAlready + StateLines(true, false), ""},
        VerbCase{"BlockBlocked", "block", Blocked(), 0, Blocked(),
                 kAlready + StateLines(true, true), ""},
        VerbCase{"BlockWithoutHostsFile",
                 "block",
                 {std::nullopt, std::nullopt},
                 0,
                 {BlockText(), ""},
                 kAdded + StateLines(true, true),
                 ""},

        VerbCase{"RestoreClean", "restore", Clean(), 3, Clean(), StateLines(false, false),
                 kNoBackupError},
        VerbCase{"RestoreCleanWithBackup",
                 "restore",
                 CleanWithBackup(),
                 0,
                 {kOlderBackup, std::nullopt},
                 kRestored + "backup deleted\r\n" + StateLines(false, false),
                 ""},
        VerbCase{"RestoreBlockedNoBackup", "restore", BlockedNoBackup(), 3, BlockedNoBackup(),
                 StateLines(true, false), kNoBackupError},
        VerbCase{"RestoreBlocked",
                 "restore",
                 Blocked(),
                 0,
                 {kOlderBackup, std::nullopt},
                 kRestored + "backup deleted\r\n" + StateLines(false, false),
                 ""},
        VerbCase{"RestoreEmptyBackup",
                 "restore",
                 {kUserHosts + BlockText(), ""},
                 0,
                 {"", std::nullopt},
                 kRestored + "backup deleted\r\n" + StateLines(false, false),
                 ""},

        VerbCase{"KeepClean", "restore --keep-backup", Clean(), 3, Clean(),
                 StateLines(false, false), kNoBackupError},
        VerbCase{"KeepCleanWithBackup",
                 "restore --keep-backup",
                 CleanWithBackup(),
                 0,
                 {kOlderBackup, kOlderBackup},
                 kRestored + "backup kept\r\n" + StateLines(false, true),
                 ""},
        VerbCase{"KeepBlockedNoBackup", "restore --keep-backup", BlockedNoBackup(), 3,
                 BlockedNoBackup(), StateLines(true, false), kNoBackupError},
        VerbCase{"KeepBlocked",
                 "restore --keep-backup",
                 Blocked(),
                 0,
                 {kOlderBackup, kOlderBackup},
                 kRestored + "backup kept\r\n" + StateLines(false, true),
                 ""},

        // Verbs and options are matched without regard to case.
        VerbCase{"UpperCaseVerbAndOption",
                 "RESTORE --Keep-Backup",
                 Blocked(),
                 0,
                 {kOlderBackup, kOlderBackup},
                 kRestored + "backup kept\r\n" + StateLines(false, true),
                 ""}),
    [](const ::testing::TestParamInfo<VerbCase>& param) { return param.param.name; });

using CliSequenceTest = CliTest;

TEST_F(CliSequenceTest, SecondBlockChangesNothingAndStillSucceeds) {
  SetHostsFiles(kUserHosts, std::nullopt);
  ASSERT_EQ(RunCli("block").exit_code, 0u);
  const HostsFiles blocked = CurrentFiles();
  ASSERT_EQ(blocked, (HostsFiles{kUserHosts + BlockText(), kUserHosts}));

  // A start-up script runs it at every boot: the block must not stack up and
  // the backup must keep the content from before the block.
  const CliResult again = RunCli("block");
  EXPECT_EQ(again.exit_code, 0u);
  EXPECT_EQ(CurrentFiles(), blocked);
  EXPECT_EQ(again.out, kAlready + StateLines(true, true));
  EXPECT_EQ(again.err, "");
}

TEST_F(CliSequenceTest, BlockThenRestoreGivesBackTheExactBytes) {
  // NUL bytes and a missing final line break must come back as they were.
  const std::string odd = std::string("a\0b\r\n\0", 6) + kUserHosts + "# no line break";
  SetHostsFiles(odd, std::nullopt);
  ASSERT_EQ(RunCli("block").exit_code, 0u);
  EXPECT_EQ(RunCli("status").exit_code, 0u) << "the block behind the NUL counts";
  ASSERT_EQ(RunCli("restore").exit_code, 0u);
  EXPECT_EQ(CurrentFiles(), (HostsFiles{odd, std::nullopt}));
  EXPECT_EQ(RunCli("status").exit_code, 1u);
}

}  // namespace
}  // namespace ombrela::testing

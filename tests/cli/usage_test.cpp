// The command line itself: help, and every malformed call refused with 64
// before anything is touched.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/cli/cli_fixture.h"

namespace ombrela::testing {
namespace {

const std::string kUsageStart = "usage: ombrela-cli <command> [option]\r\n";

struct UsageCase {
  const char* name;
  const char* arguments;
  const char* problem;
};

// Failures name the case, not its bytes.
void PrintTo(const UsageCase& c, std::ostream* os) {
  *os << c.name;
}

class CliUsageTest : public CliTest, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(CliUsageTest, IsRefusedWith64AndTouchesNothing) {
  const UsageCase& c = GetParam();
  SetHostsFiles(kUserHosts, kOlderBackup);
  const CliResult result = RunCli(c.arguments);
  EXPECT_EQ(result.exit_code, 64u);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err.substr(0, result.err.find(kUsageStart)),
            std::string("ombrela-cli: ") + c.problem + "\r\n\r\n");
  EXPECT_NE(result.err.find(kUsageStart), std::string::npos);
  EXPECT_EQ(CurrentFiles(), (HostsFiles{kUserHosts, kOlderBackup}));
}

INSTANTIATE_TEST_SUITE_P(
    BadCommandLines, CliUsageTest,
    ::testing::Values(
        UsageCase{"NoVerb", "", "no command given"},
        UsageCase{"UnknownVerb", "unblock", "unknown command 'unblock'"},
        UsageCase{"OptionWithoutVerb", "--keep-backup", "unknown option '--keep-backup'"},
        UsageCase{"UnknownOption", "restore --force", "unknown option '--force' for restore"},
        UsageCase{"SlashOption", "block /q", "unknown option '/q' for block"},
        // The one option belongs to restore: on block it must not block.
        UsageCase{"KeepBackupOnBlock", "block --keep-backup",
                  "unknown option '--keep-backup' for block"},
        UsageCase{"KeepBackupOnStatus", "status --keep-backup",
                  "unknown option '--keep-backup' for status"},
        UsageCase{"TwoVerbs", "restore block", "unexpected argument 'block' for restore"},
        UsageCase{"VerbAsOption", "--block", "unknown option '--block'"}),
    [](const ::testing::TestParamInfo<UsageCase>& param) { return param.param.name; });

struct HelpCase {
  const char* name;
  const char* arguments;
};

void PrintTo(const HelpCase& c, std::ostream* os) {
  *os << c.name;
}

class CliHelpTest : public CliTest, public ::testing::WithParamInterface<HelpCase> {};

TEST_P(CliHelpTest, PrintsUsageOnStandardOutputAndRunsNothing) {
  SetHostsFiles(kUserHosts, std::nullopt);
  const CliResult result = RunCli(GetParam().arguments);
  EXPECT_EQ(result.exit_code, 0u);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out.substr(0, kUsageStart.size()), kUsageStart);
  for (const char* word : {"status", "block", "restore [--keep-backup]", "64"})
    EXPECT_NE(result.out.find(word), std::string::npos) << word;
  for (unsigned char c : result.out) EXPECT_LT(c, 0x80) << "the usage text is plain ASCII";
  EXPECT_EQ(CurrentFiles(), (HostsFiles{kUserHosts, std::nullopt}));
}

// Help wins wherever it stands, so that asking about a verb never runs it.
INSTANTIATE_TEST_SUITE_P(Spellings, CliHelpTest,
                         ::testing::Values(HelpCase{"Long", "--help"}, HelpCase{"Short", "-h"},
                                           HelpCase{"Windows", "/?"},
                                           HelpCase{"AfterBlock", "block --help"},
                                           HelpCase{"AfterRestore", "restore /?"},
                                           HelpCase{"AfterAnUnknownVerb", "unblock --HELP"}),
                         [](const ::testing::TestParamInfo<HelpCase>& param) {
                           return param.param.name;
                         });

}  // namespace
}  // namespace ombrela::testing

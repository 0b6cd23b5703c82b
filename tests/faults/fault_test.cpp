// Every platform file call that block and restore make, failed in turn: the
// Nth call of a clean run fails once (a short read or write, a busy file, a
// replace that stops half way) or fails from then on (a full disk, a refused
// access), for every N and in several file states. After each run the user's
// hosts content must still exist whole, in the hosts file or in a backup
// equal to it; neither file may be half written; no temporary file and no
// handle may be left; and the status must tell the files as they are.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "flashguard/flash_guard.h"
#include "hosts/block_list.h"
#include "hosts/commands.h"
#include "tests/faults/platform_faults.h"
#include "tests/flashguard/shared_object_tree.h"
#include "tests/hosts/recording_ui.h"
#include "tests/soak/process_usage.h"
#include "tests/support/prefix_files.h"
#include "tests/support/status_texts.h"

namespace ombrela {
namespace {

using faults::Call;
using faults::Mode;
using testing::ReadFileBytes;
using testing::TestBackupPath;
using testing::TestHostsPath;
using Content = std::optional<std::string>;

const std::string kPlain = "127.0.0.1 localhost\r\n10.0.0.5 printer # mine\r\n";
// LF only, a NUL, code page 936 bytes, no final line break.
const std::string kOdd =
    std::string("127.0.0.1 localhost\n# \xCE\xD2\xB5\xC4\n\0x\n", 18) + "10.1.1.1 nas\xC6";

// Remembers where the last status refresh began, to tell a fault inside it.
class FaultUi : public testing::RecordingUi {
 public:
  using RecordingUi::RecordingUi;
  void SetRestoreEnabled(bool enabled) override {
    RecordingUi::SetRestoreEnabled(enabled);
    // The refresh asks for the backup's path, then whether it exists, then
    // sets the button: it began at the last folder query.
    const std::vector<Call>& calls = faults::Calls();
    refresh_from = static_cast<int>(calls.size());
    for (int i = static_cast<int>(calls.size()); i > 0; --i) {
      if (calls[static_cast<size_t>(i) - 1] == Call::kFolderQuery) {
        refresh_from = i;
        break;
      }
    }
  }
  int refresh_from = 0;
};

struct Scenario {
  const char* name;
  void (*command)(CommandUi&);
  std::deque<bool> answers;
  Content hosts;  // before the command
  Content backup;
  Content hosts_after;  // after it, without faults
  Content backup_after;
  Content user;  // the content that must never be lost
  bool read_only_hosts = false;
  bool guard_tree = false;  // a shared-object folder for the guard to replace
};

// A block of a hosts file without the marker: afterwards it is the old bytes
// followed by the block, and the backup is the old bytes.
Scenario Blocking(const char* name, Content hosts, Content backup) {
  const std::string before = hosts.value_or("");
  return {name, BlockAds, {}, hosts, backup, before + BlockText(), before, hosts};
}

// A restore from the blocked state: the backup back in the hosts file, and
// the backup deleted or kept.
Scenario Restoring(const char* name, void (*command)(CommandUi&), std::deque<bool> answers,
                   const std::string& user, bool deletes) {
  const Content kept = deletes ? std::nullopt : Content(user);
  return {name, command, std::move(answers), user + BlockText(), user, user, kept, user};
}

std::vector<Scenario> Scenarios() {
  std::vector<Scenario> all = {
      Blocking("block, no backup yet", kPlain, std::nullopt),
      Blocking("block over an earlier backup, odd bytes", kOdd, "earlier backup\r\n"),
      Blocking("block a read-only hosts file", kPlain, "earlier"),
      Blocking("block with no hosts file", std::nullopt, std::nullopt),
      Blocking("block an empty hosts file, guard folder present", "", std::nullopt),
      Blocking("block, guard folder present", kOdd, std::nullopt),
      Restoring("restore, delete the backup", RestoreBackup, {true}, kPlain, true),
      Restoring("restore, keep the backup", RestoreBackup, {false}, kOdd, false),
      Restoring("block again, restore, delete", BlockAds, {true, true}, kPlain, true),
      Restoring("restore an empty backup", RestoreBackup, {true}, "", true),
  };
  all[2].read_only_hosts = true;
  all[4].guard_tree = true;
  all[5].guard_tree = true;
  // Asked whether to restore instead, and answered No: nothing changes.
  Scenario declined = Restoring("block again, no", BlockAds, {false}, kOdd, false);
  declined.hosts_after = declined.hosts;
  all.push_back(declined);
  return all;
}

std::string SiteFolder() {
  return testing::FirstRoot() + "\\K7XQ2P9A\\" + testing::kSite;
}
std::string Neighbour() {
  return testing::FirstRoot() + "\\K7XQ2P9A\\other.example.com\\keep.sol";
}

void PrepareFiles(const Scenario& s) {
  testing::SetHostsFiles(s.hosts, s.backup);
  if (s.read_only_hosts) SetFileAttributesA(TestHostsPath().c_str(), FILE_ATTRIBUTE_READONLY);
  testing::RemoveTree(testing::MacromediaFolder());
  if (s.guard_tree) {
    testing::PutFile(SiteFolder() + "\\settings.sol", "volume=40");
    testing::PutFile(Neighbour(), "keep");
  }
}

bool OneOf(const Content& value, std::initializer_list<Content> allowed) {
  for (const Content& a : allowed)
    if (value == a) return true;
  return false;
}

// How one faulted run ended, for the summary.
enum class Outcome { kDone, kRefusedAndTold, kRefusedSilently, kDoneButTold };

struct RunResult {
  Outcome outcome;
  bool status_checked;
};

class FaultInjectionTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // The program starts with this; the guard relies on it.
    RefuseUntrustedRedirection();
  }
  void TearDown() override {
    faults::Disarm();
    testing::RemoveTree(testing::MacromediaFolder());
  }

  // One run of the scenario's command with the plan armed; every invariant
  // checked as an expectation naming the run.
  RunResult RunOnce(const Scenario& s, int fail_at, Mode mode, const std::string& label) {
    PrepareFiles(s);
    const uint32_t handles_before = testing::MeasureProcessUsage().handles;
    FaultUi ui(s.answers);
    faults::Arm(fail_at, mode);
    s.command(ui);
    const std::vector<Call> calls = faults::Calls();
    const std::optional<int> failed_at = faults::FailedAt();
    faults::Disarm();
    const uint32_t handles_after = testing::MeasureProcessUsage().handles;

    const Content hosts = ReadFileBytes(TestHostsPath());
    const Content backup = ReadFileBytes(TestBackupPath());
    SCOPED_TRACE(label);

    // Neither file is ever anything but its old or its new content.
    EXPECT_TRUE(OneOf(hosts, {s.hosts, s.hosts_after})) << "hosts file half written";
    EXPECT_TRUE(OneOf(backup, {s.backup, s.backup_after, s.user})) << "backup half written";
    // The user's content survives whole somewhere.
    if (s.user) {
      EXPECT_TRUE(hosts == s.user || backup == s.user) << "the user's hosts content is lost";
    }
    // The block goes in only over a backup that holds what it replaced.
    if (s.hosts_after != s.hosts && hosts == s.hosts_after && s.command == BlockAds &&
        s.backup_after) {
      EXPECT_EQ(backup, s.backup_after) << "blocked without a good backup";
    }
    // A backup is deleted only once the hosts file holds it again.
    if (!backup && s.backup) {
      EXPECT_EQ(hosts, s.backup) << "backup deleted before the restore was done";
    }
    EXPECT_EQ(testing::StrayFilesBesideHosts(), std::vector<std::string>{})
        << "temporary file left";
    EXPECT_EQ(handles_after, handles_before) << "handle left open";
    if (s.guard_tree) {
      EXPECT_EQ(testing::ReadBytes(Neighbour()), "keep") << "the guard touched a neighbour";
    }

    // The status tells the files, unless the fault hit the last refresh.
    bool refresh_hit = failed_at && *failed_at >= ui.refresh_from;
    if (failed_at && mode == Mode::kFromThenOn) {
      for (size_t i = static_cast<size_t>(ui.refresh_from); i < calls.size(); ++i)
        refresh_hit = refresh_hit || calls[i] == calls[static_cast<size_t>(*failed_at) - 1];
    }
    const bool blocked = hosts && hosts->find(std::string(BlockMarker)) != std::string::npos;
    if (!refresh_hit) {
      EXPECT_EQ(ui.status, testing::ExpectedStatus(blocked, backup.has_value()))
          << "status does not tell the files";
      EXPECT_EQ(ui.restore_enabled, backup.has_value());
    }

    const bool done = hosts == s.hosts_after && backup == s.backup_after;
    const bool told = !ui.errors.empty();
    Outcome outcome = done ? (told ? Outcome::kDoneButTold : Outcome::kDone)
                           : (told ? Outcome::kRefusedAndTold : Outcome::kRefusedSilently);
    return {outcome, !refresh_hit};
  }
};

const char* OutcomeName(Outcome outcome) {
  switch (outcome) {
    case Outcome::kDone:
      return "done";
    case Outcome::kRefusedAndTold:
      return "refused, told";
    case Outcome::kRefusedSilently:
      return "refused, not told";
    case Outcome::kDoneButTold:
      return "done, error told";
  }
  return "?";
}

TEST_F(FaultInjectionTest, NoSingleFailedFileCallLosesTheUsersHostsContent) {
  testing::SavedHostsFiles saved;
  int total_runs = 0;
  int status_checked = 0;
  for (const Scenario& s : Scenarios()) {
    // The clean run: the calls to fail, and the result without faults.
    PrepareFiles(s);
    FaultUi clean(s.answers);
    faults::Arm(0, Mode::kOnce);
    s.command(clean);
    const std::vector<Call> calls = faults::Calls();
    faults::Disarm();
    ASSERT_EQ(ReadFileBytes(TestHostsPath()), s.hosts_after) << s.name;
    ASSERT_EQ(ReadFileBytes(TestBackupPath()), s.backup_after) << s.name;
    ASSERT_TRUE(clean.errors.empty()) << s.name;

    // Outcomes by kind of failed call and mode, for the log.
    std::map<std::string, std::map<std::string, int>> summary;
    for (Mode mode : {Mode::kOnce, Mode::kFromThenOn}) {
      for (int n = 1; n <= static_cast<int>(calls.size()); ++n) {
        const Call kind = calls[static_cast<size_t>(n) - 1];
        const std::string label = std::string(s.name) + ": call " + std::to_string(n) + " (" +
                                  faults::CallName(kind) + ") fails " +
                                  (mode == Mode::kOnce ? "once" : "from then on");
        const RunResult run = RunOnce(s, n, mode, label);
        ++total_runs;
        status_checked += run.status_checked;
        const std::string key =
            std::string(faults::CallName(kind)) + (mode == Mode::kOnce ? " once" : " on");
        ++summary[key][OutcomeName(run.outcome)];
        if (::testing::Test::HasFatalFailure()) return;
      }
    }
    std::printf("%s: %zu calls\n", s.name, calls.size());
    for (const auto& [key, outcomes] : summary) {
      std::printf("  %-28s", key.c_str());
      for (const auto& [outcome, count] : outcomes) std::printf(" %s %d;", outcome.c_str(), count);
      std::printf("\n");
    }
  }
  std::printf(
      "%d faulted runs; the status checked against the files in %d (the others failed a"
      " call of the last refresh)\n",
      total_runs, status_checked);
}

}  // namespace
}  // namespace ombrela

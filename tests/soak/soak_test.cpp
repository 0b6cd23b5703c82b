// A thousand and more block and restore cycles in one process, over generated
// hosts files, with every question answered both ways. After every step the
// files are compared byte for byte with what they must hold and the status
// with the files; at the end the process must hold no more handles and no
// more memory than after the warm-up.
#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "hosts/block_list.h"
#include "hosts/commands.h"
#include "tests/hosts/recording_ui.h"
#include "tests/soak/hosts_generator.h"
#include "tests/soak/process_usage.h"
#include "tests/support/prefix_files.h"
#include "tests/support/status_texts.h"

namespace ombrela {
namespace {

using testing::ReadFileBytes;
using testing::RecordingUi;
using testing::TestBackupPath;
using testing::TestHostsPath;
using Questions = std::vector<std::string>;

constexpr int kCycles = 1200;
constexpr int kWarmUpCycles = 150;
constexpr int kLargeEvery = 37;  // 32 cycles of several megabytes

// A mismatch names the first differing byte instead of printing megabytes.
::testing::AssertionResult SameBytes(const char* what, const std::optional<std::string>& actual,
                                     const std::optional<std::string>& expected) {
  if (actual == expected) return ::testing::AssertionSuccess();
  if (!actual || !expected)
    return ::testing::AssertionFailure()
           << what << (actual ? " exists but must not" : " is missing but must exist");
  size_t at = 0;
  while (at < actual->size() && at < expected->size() && (*actual)[at] == (*expected)[at]) ++at;
  return ::testing::AssertionFailure() << what << " has " << actual->size() << " bytes, must have "
                                       << expected->size() << "; first difference at " << at;
}

struct Expected {
  std::optional<std::string> hosts;
  std::optional<std::string> backup;
  bool blocked;
};

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return s;
}

class SoakTest : public ::testing::Test {
 protected:
  // One command, then everything it must have left: the files, the status
  // and the button, the questions asked, and no error.
  ::testing::AssertionResult Step(const char* name, void (*command)(CommandUi&),
                                  std::deque<bool> answers, const Questions& asked,
                                  const Expected& after) {
    RecordingUi ui(std::move(answers));
    command(ui);
    return Check(name, ui, asked, after);
  }

  ::testing::AssertionResult Check(const char* name, const RecordingUi& ui, const Questions& asked,
                                   const Expected& after) {
    const std::string where = std::string(name) + ", cycle " + std::to_string(cycle_);
    if (auto same = SameBytes("hosts", ReadFileBytes(TestHostsPath()), after.hosts); !same)
      return same << " after " << where;
    if (auto same = SameBytes("hosts.bak", ReadFileBytes(TestBackupPath()), after.backup); !same)
      return same << " after " << where;
    const bool has_backup = GetFileAttributesA(TestBackupPath().c_str()) != INVALID_FILE_ATTRIBUTES;
    const std::string status = testing::ExpectedStatus(after.blocked, has_backup);
    if (ui.status != status) return ::testing::AssertionFailure() << "status after " << where;
    if (ui.restore_enabled != has_backup)
      return ::testing::AssertionFailure() << "restore button after " << where;
    if (ui.Questions() != asked) return ::testing::AssertionFailure() << "questions in " << where;
    if (!ui.errors.empty()) return ::testing::AssertionFailure() << "an error in " << where;
    return ::testing::AssertionSuccess();
  }

  testing::SavedHostsFiles saved_;
  int cycle_ = 0;
};

TEST_F(SoakTest, BlockAndRestoreCyclesLoseNoByteAndLeakNothing) {
  std::mt19937 random(7351);
  std::uniform_int_distribution<size_t> small_size(1, 16 * 1024);
  std::uniform_int_distribution<size_t> large_size(2 * 1024 * 1024, 6 * 1024 * 1024);
  std::uniform_int_distribution<int> ending(0, 4);
  std::bernoulli_distribution rare(0.04);

  testing::SetHostsFiles("127.0.0.1 localhost\r\n", std::nullopt);
  const std::string block = BlockText();
  testing::ProcessUsage warm;
  size_t large_bytes = 0;

  for (cycle_ = 0; cycle_ < kCycles; ++cycle_) {
    // The user's hosts file for this cycle, put in place from outside; any
    // backup from the cycle before stays, so that the block must replace it.
    std::optional<std::string> backup_before = ReadFileBytes(TestBackupPath());
    std::string original;
    bool missing = false;
    if (cycle_ % kLargeEvery == kLargeEvery / 2) {
      original = testing::GenerateHosts(random, testing::RandomShape(random, large_size(random)));
      large_bytes += original.size();
    } else if (rare(random)) {
      original.clear();  // an empty file
    } else if (rare(random)) {
      missing = true;  // no hosts file at all: it counts as empty
    } else {
      original = testing::GenerateHosts(random, testing::RandomShape(random, small_size(random)));
    }
    ASSERT_EQ(Lower(original).find("kalvireth"), std::string::npos) << "generated a marker";
    testing::SetHostsFiles(missing ? std::nullopt : std::optional<std::string>(original),
                           backup_before);

    RecordingUi look;
    RefreshStatus(look);
    ASSERT_TRUE(Check(
        "look", look, {},
        {missing ? std::nullopt : std::optional<std::string>(original), backup_before, false}));

    const Expected blocked{original + block, original, true};
    const Expected restored_kept{original, original, false};
    const Expected restored_deleted{original, std::nullopt, false};

    ASSERT_TRUE(Step("block", BlockAds, {}, {}, blocked));
    switch (ending(random)) {
      case 0:
        ASSERT_TRUE(
            Step("restore, delete", RestoreBackup, {true}, {"ask-delete"}, restored_deleted));
        break;
      case 1:
        ASSERT_TRUE(Step("restore, keep", RestoreBackup, {false}, {"ask-delete"}, restored_kept));
        break;
      case 2:
        ASSERT_TRUE(Step("block again, no", BlockAds, {false}, {"ask-restore"}, blocked));
        ASSERT_TRUE(
            Step("then restore, delete", RestoreBackup, {true}, {"ask-delete"}, restored_deleted));
        break;
      case 3:
        ASSERT_TRUE(Step("block again, restore, delete", BlockAds, {true, true},
                         {"ask-restore", "ask-delete"}, restored_deleted));
        break;
      default:
        ASSERT_TRUE(Step("block again, restore, keep", BlockAds, {true, false},
                         {"ask-restore", "ask-delete"}, restored_kept));
        break;
    }
    ASSERT_EQ(testing::StrayFilesBesideHosts(), std::vector<std::string>{}) << "cycle " << cycle_;
    if (cycle_ == kWarmUpCycles - 1) warm = testing::MeasureProcessUsage();
  }
  EXPECT_GE(large_bytes, size_t{60} * 1024 * 1024);

  // Generous bounds: the heap may keep some of what the large files needed,
  // but a handle or a file's buffer lost per cycle goes far beyond them.
  const testing::ProcessUsage end = testing::MeasureProcessUsage();
  std::printf("handles %u -> %u, private %zu KiB -> %zu KiB, pagefile %zu KiB -> %zu KiB\n",
              warm.handles, end.handles, warm.private_bytes / 1024, end.private_bytes / 1024,
              warm.pagefile_bytes / 1024, end.pagefile_bytes / 1024);
  // A platform that keeps no count leaves nothing to compare.
  EXPECT_TRUE(warm.handles > 0 && warm.pagefile_bytes > 0) << "no usage figures to compare";
  EXPECT_LE(end.handles, warm.handles + 8) << "handles left open";
  constexpr size_t kSlack = 4 * 1024 * 1024;
  EXPECT_LE(end.private_bytes, warm.private_bytes + kSlack) << "private memory grew";
  EXPECT_LE(end.pagefile_bytes, warm.pagefile_bytes + kSlack) << "process memory grew";
}

}  // namespace
}  // namespace ombrela

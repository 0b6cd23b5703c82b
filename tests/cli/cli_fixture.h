// What the command-line tests share: the saved hosts files, the check that no
// temporary file is left beside them, and the program's fixed phrases.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tests/cli/cli_run.h"
#include "tests/support/prefix_files.h"

namespace ombrela::testing {

inline const std::string kUserHosts = "127.0.0.1 localhost\r\n10.0.0.5 printer # mine\r\n";
inline const std::string kOlderBackup = "127.0.0.1 localhost\r\n# as it was last week\r\n";

inline const std::string kAdded = "block added; the previous hosts file is saved as hosts.bak\r\n";
inline const std::string kAlready = "already blocked; nothing changed\r\n";
inline const std::string kRestored = "hosts file restored from hosts.bak\r\n";

inline std::string StateLines(bool blocked, bool backup) {
  return std::string("blocked: ") + (blocked ? "yes" : "no") +
         "\r\nbackup: " + (backup ? "yes" : "no") + "\r\n";
}

// The two lines of one failure on standard error: English, then the window's
// Chinese words (this source is compiled to code page 936).
inline std::string ErrorLines(const std::string& english, const std::string& chinese) {
  return "ombrela-cli: error: " + english + "\r\nombrela-cli: " + chinese + "\r\n";
}

struct HostsFiles {
  std::optional<std::string> hosts;
  std::optional<std::string> backup;
  bool operator==(const HostsFiles&) const = default;
};

inline HostsFiles CurrentFiles() {
  return {ReadFileBytes(TestHostsPath()), ReadFileBytes(TestBackupPath())};
}

inline void PrintTo(const HostsFiles& files, std::ostream* os) {
  auto show = [](const std::optional<std::string>& bytes) {
    return bytes ? std::to_string(bytes->size()) + " bytes" : std::string("absent");
  };
  *os << "hosts " << show(files.hosts) << ", backup " << show(files.backup);
}

inline void SetReadOnly(const std::string& path, bool read_only) {
  SetFileAttributesA(path.c_str(), read_only ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
}

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(cli_path.empty()) << "the test takes ombrela-cli.exe"; }
  void TearDown() override {
    SetReadOnly(TestHostsPath(), false);
    SetReadOnly(TestBackupPath(), false);
    EXPECT_TRUE(testing::StrayFilesBesideHosts().empty())
        << "a temporary file was left beside the hosts file";
  }
  SavedHostsFiles saved_;
};

}  // namespace ombrela::testing

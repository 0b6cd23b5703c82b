// Real files in the Wine prefix for tests: the system hosts file and its
// backup, saved before a test and put back after it, and plain file helpers.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ombrela::testing {

// Paths the program itself uses, built the same way.
std::string TestHostsPath();
std::string TestBackupPath();
std::string TestAppData();
// A fresh, empty folder under the prefix's temp folder.
std::string FreshTempFolder(const std::string& name);

// Names in the hosts folder besides the program's two files and Wine's own:
// anything here is something a command left behind.
std::vector<std::string> StrayFilesBesideHosts();
// The Windows form of a Linux path (Wine sees / as drive Z:).
std::string WindowsPathOf(const std::string& linux_path);

// Whole-file helpers that do not go through the program's own code.
std::optional<std::string> ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
void RemovePath(const std::string& path);  // a file, or a folder tree
bool IsFolder(const std::string& path);

// Saves hosts and hosts.bak at construction and restores them (or their
// absence) at destruction; clears the read-only bits it finds on the way.
class SavedHostsFiles {
 public:
  SavedHostsFiles();
  ~SavedHostsFiles();
  SavedHostsFiles(const SavedHostsFiles&) = delete;
  SavedHostsFiles& operator=(const SavedHostsFiles&) = delete;

 private:
  std::optional<std::string> hosts_;
  std::optional<std::string> backup_;
};

// Sets hosts and hosts.bak to the given content, or removes them (nullopt).
void SetHostsFiles(const std::optional<std::string>& hosts,
                   const std::optional<std::string>& backup);

}  // namespace ombrela::testing

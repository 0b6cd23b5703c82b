// Shared-object trees in the test prefix's application-data folder, built
// and read back without the program's own code, and snapshots that tell what
// changed in a folder.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace ombrela::testing {

inline constexpr char kGuardBytes[] = "Mirgel QQ:Kalvireth";
inline constexpr char kSite[] = "static.youku.com";

// AppData\Macromedia and the two shared-object roots below it.
std::string MacromediaFolder();
std::string FirstRoot();
std::string SecondRoot();

// These take absolute paths of any length: the prefix's ANSI functions stop
// at 260 bytes.

// Every missing level of the path.
void MakeFolders(const std::string& path);
// The file with exactly these bytes, its folders made first.
void PutFile(const std::string& path, const std::string& bytes);
void MakeReadOnly(const std::string& path);
// A file's bytes; absent when it cannot be read.
std::optional<std::string> ReadBytes(const std::string& path);
// A file or a folder tree; a link is removed as a link, never descended into.
void RemoveTree(const std::string& path);

// Every entry below a folder by relative path: a file's bytes, or "<folder>".
using Snapshot = std::map<std::string, std::string>;
Snapshot TakeSnapshot(const std::string& folder);

// The folder's directory entries in the platform's order, "." and ".." too.
std::vector<std::string> ListedFolders(const std::string& folder);

// A guard file: a plain file holding exactly the 19 guard bytes.
::testing::AssertionResult IsGuardFile(const std::string& path);

// A fresh, empty folder in the prefix's temp folder per test, removed after.
class TempFolderTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::string folder_;
};

// Starts and ends every test with no Macromedia folder in AppData.
class SharedObjectTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

}  // namespace ombrela::testing

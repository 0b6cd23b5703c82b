// FindThirdSubfolder and FindEntry over real folders in the prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "flashguard/directory_search.h"
#include "tests/flashguard/shared_object_tree.h"
#include "tests/support/prefix_files.h"

namespace ombrela::testing {
namespace {

using DirectorySearchTest = TempFolderTest;

TEST_F(DirectorySearchTest, ThirdSubfolderCountsDotEntriesAndPassesFilesOver) {
  const struct {
    const char* what;
    std::vector<std::string> folders;
    std::vector<std::string> files;
  } cases[] = {
      {"empty", {}, {}},
      {"files only", {}, {"a.sol", "b.sol"}},
      {"one folder among files", {"only"}, {"a.sol", "z.sol"}},
      {"several folders", {"K7XQ2P9A", "B3MM0Z1Q", "ZZ00TOP9"}, {"m.sol"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string root = folder_ + "\\root";
    RemoveTree(root);
    MakeFolders(root);
    for (const std::string& name : c.folders) MakeFolders(root + "\\" + name);
    for (const std::string& name : c.files) PutFile(root + "\\" + name, name);
    const std::vector<std::string> listed = ListedFolders(root);
    ASSERT_EQ(listed.size(), c.folders.size() + 2);

    EXPECT_EQ(FindThirdSubfolder(root), listed.size() > 2 ? listed[2] : "");
  }
  EXPECT_EQ(FindThirdSubfolder(folder_ + "\\missing"), "");
}

TEST_F(DirectorySearchTest, FindEntryMatchesByMaskOrFilesOnly) {
  MakeFolders(folder_ + "\\sub");
  PutFile(folder_ + "\\only.sol", "f");
  const std::string pattern = folder_ + "\\*.*";

  FindState files;
  EXPECT_EQ(FindEntry(pattern, FILE_ATTRIBUTE_DIRECTORY, true, files), "only.sol");
  EXPECT_EQ(FindEntry("", FILE_ATTRIBUTE_DIRECTORY, true, files), "");
  EXPECT_EQ(FindEntry("", FILE_ATTRIBUTE_DIRECTORY, true, files), "");
  CloseFind(files);

  FindState folders;
  std::vector<std::string> names;
  for (std::string name = FindEntry(pattern, FILE_ATTRIBUTE_DIRECTORY, false, folders);
       !name.empty(); name = FindEntry("", FILE_ATTRIBUTE_DIRECTORY, false, folders)) {
    names.push_back(name);
  }
  EXPECT_EQ(names, ListedFolders(folder_));
  // A new pattern starts over.
  EXPECT_EQ(FindEntry(pattern, FILE_ATTRIBUTE_DIRECTORY, false, folders), names.front());
  CloseFind(folders);
  EXPECT_EQ(FindEntry("", FILE_ATTRIBUTE_DIRECTORY, false, folders), "");
  CloseFind(folders);
}

TEST_F(DirectorySearchTest, NoSearchYieldsNothing) {
  FindState none;
  EXPECT_EQ(FindEntry("", FILE_ATTRIBUTE_DIRECTORY, false, none), "");
  CloseFind(none);
  FindState failed;
  EXPECT_EQ(FindEntry(folder_ + "\\missing\\*.*", FILE_ATTRIBUTE_DIRECTORY, false, failed), "");
  EXPECT_EQ(FindEntry("", FILE_ATTRIBUTE_DIRECTORY, false, failed), "");
  CloseFind(failed);
}

}  // namespace
}  // namespace ombrela::testing

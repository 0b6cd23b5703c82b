// RemoveFolder and EmptyFolder on real folders in the prefix's temp folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "flashguard/folder_removal.h"
#include "tests/flashguard/shared_object_tree.h"
#include "tests/support/prefix_files.h"

namespace ombrela::testing {
namespace {

class FolderRemovalTest : public TempFolderTest {
 protected:
  // A tree of files, nested folders and an empty folder.
  void FillTree(const std::string& top) {
    PutFile(top + "\\a.sol", "a");
    PutFile(top + "\\nested\\b.sol", "b");
    PutFile(top + "\\nested\\deeper\\c.sol", "c");
    MakeFolders(top + "\\nested\\empty");
  }

  static bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  }
};

TEST_F(FolderRemovalTest, EmptyAndBackslashPathsTouchNothing) {
  // "\" names the root of the current drive. Work from a folder on the
  // prefix's drive, not the Linux root behind Z:, and keep something there.
  char previous[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryA(folder_.c_str()));
  const std::string drive_root = folder_.substr(0, 3);
  const std::string sentinel = drive_root + "ombrela-root-sentinel";
  PutFile(sentinel + "\\keep.txt", "keep");

  EXPECT_FALSE(RemoveFolder(""));
  EXPECT_FALSE(RemoveFolder("\\"));

  EXPECT_EQ(ReadBytes(sentinel + "\\keep.txt"), "keep");
  EXPECT_TRUE(IsFolder(folder_));
  SetCurrentDirectoryA(previous);
  RemoveTree(sentinel);
}

TEST_F(FolderRemovalTest, RemoveFolderOutcomes) {
  const struct {
    const char* what;
    void (*make)(const std::string& path);
    const char* suffix;  // appended to the path given to RemoveFolder
    bool removed;
  } cases[] = {
      {"only . and ..", [](const std::string& p) { MakeFolders(p); }, "", true},
      {"files and nested folders",
       [](const std::string& p) {
         PutFile(p + "\\a.sol", "a");
         PutFile(p + "\\nested\\deeper\\c.sol", "c");
         MakeFolders(p + "\\nested\\empty");
       },
       "", true},
      {"trailing backslash", [](const std::string& p) { PutFile(p + "\\a.sol", "a"); }, "\\", true},
      {"missing", [](const std::string&) {}, "", false},
      {"a plain file", [](const std::string& p) { PutFile(p, "file"); }, "", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = folder_ + "\\target";
    RemoveTree(path);
    c.make(path);
    const Snapshot before = TakeSnapshot(folder_);

    EXPECT_EQ(RemoveFolder(path + c.suffix), c.removed);

    if (c.removed) {
      EXPECT_FALSE(Exists(path));
    } else {
      EXPECT_EQ(TakeSnapshot(folder_), before);
    }
  }
}

TEST_F(FolderRemovalTest, EmptyFolderKeepsTheFolderItself) {
  const std::string path = folder_ + "\\target";
  FillTree(path);

  EXPECT_TRUE(EmptyFolder(path));

  EXPECT_TRUE(IsFolder(path));
  EXPECT_EQ(TakeSnapshot(path), Snapshot{});
  EXPECT_FALSE(EmptyFolder(path + "\\missing"));
  PutFile(folder_ + "\\file", "f");
  EXPECT_FALSE(EmptyFolder(folder_ + "\\file"));
  EXPECT_EQ(ReadBytes(folder_ + "\\file"), "f");
}

TEST_F(FolderRemovalTest, ReadOnlyFileStopsTheRemoval) {
  const std::string path = folder_ + "\\target";
  FillTree(path);
  PutFile(path + "\\nested\\deeper\\ro.sol", "read-only");
  MakeReadOnly(path + "\\nested\\deeper\\ro.sol");

  EXPECT_FALSE(RemoveFolder(path));
  EXPECT_FALSE(EmptyFolder(path));

  EXPECT_TRUE(IsFolder(path + "\\nested\\deeper"));
  EXPECT_EQ(ReadBytes(path + "\\nested\\deeper\\ro.sol"), "read-only");
}

TEST_F(FolderRemovalTest, HardLinkGoesAsOneNameOnly) {
  const std::string outside = folder_ + "\\outside.txt";
  PutFile(outside, "shared bytes");
  const std::string path = folder_ + "\\target";
  MakeFolders(path);
  ASSERT_TRUE(CreateHardLinkA((path + "\\linked.sol").c_str(), outside.c_str(), nullptr));

  EXPECT_TRUE(RemoveFolder(path));

  EXPECT_FALSE(Exists(path));
  EXPECT_EQ(ReadBytes(outside), "shared bytes");
}

TEST_F(FolderRemovalTest, PathsOverMaxPathAreRefused) {
  // The folder's path plus "\*" must fit in 259 bytes.
  for (size_t length : {size_t{257}, size_t{258}}) {
    SCOPED_TRACE(length);
    const std::string path = folder_ + "\\" + std::string(length - folder_.size() - 1, 'f');
    MakeFolders(path);

    EXPECT_EQ(RemoveFolder(path), length == 257);
    EXPECT_EQ(Exists(path), length == 258);
    RemoveTree(path);
  }
  // So must every entry's full path.
  const std::string parent = folder_ + "\\" + std::string(250 - folder_.size() - 1, 'g');
  for (size_t length : {size_t{259}, size_t{260}}) {
    SCOPED_TRACE(length);
    const std::string child = parent + "\\" + std::string(length - parent.size() - 1, 'c');
    PutFile(child, "child");

    EXPECT_EQ(EmptyFolder(parent), length == 259);
    EXPECT_EQ(ReadBytes(child).has_value(), length == 260);
    RemoveTree(child);
  }
  // And the folder itself.
  const std::string deep = parent + "\\" + std::string(40, 'd');
  PutFile(deep + "\\keep.sol", "keep");
  EXPECT_FALSE(RemoveFolder(deep));
  EXPECT_FALSE(EmptyFolder(deep));
  EXPECT_EQ(ReadBytes(deep + "\\keep.sol"), "keep");
}

}  // namespace
}  // namespace ombrela::testing

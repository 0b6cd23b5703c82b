// Replacing a file through a temporary file beside it: the target is either
// the new bytes or its old ones, and the folder holds nothing else afterwards.
#include "fileops/atomic_write.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/fileops/file_fixture.h"

namespace ombrela {
namespace {

using testing::ReadFileBytes;
using testing::WriteFileBytes;
using Names = std::vector<std::string>;

ByteSet Bytes(const std::string& s) {
  return ByteSet(s.begin(), s.end());
}

class ReplaceFileContentsTest : public testing::FileFixture {
 protected:
  std::string Target() const { return PathOf("hosts"); }
};

TEST_F(ReplaceFileContentsTest, CreatesAMissingFileAndLeavesNothingElse) {
  const std::string data("# hosts\r\n\x00\xC6\xC1", 12);
  EXPECT_TRUE(ReplaceFileContents(Target(), Bytes(data)));
  EXPECT_EQ(ReadFileBytes(Target()), data);
  EXPECT_EQ(Listing(), Names{"hosts"});
}

TEST_F(ReplaceFileContentsTest, ReplacesAnExistingFileByteForByte) {
  ASSERT_TRUE(WriteFileBytes(PathOf("other"), "untouched"));
  for (const std::string& data : {std::string(100000, 'x'), std::string("short"), std::string(),
                                  std::string("\0\0\r\n", 4)}) {
    ASSERT_TRUE(WriteFileBytes(Target(), "old content that is longer than some"));
    EXPECT_TRUE(ReplaceFileContents(Target(), Bytes(data))) << data.size();
    EXPECT_EQ(ReadFileBytes(Target()), data);
    EXPECT_EQ(Listing(), (Names{"hosts", "other"}));
  }
  EXPECT_EQ(ReadFileBytes(PathOf("other")), "untouched");
}

TEST_F(ReplaceFileContentsTest, KeepsTheTargetsAttributes) {
  ASSERT_TRUE(WriteFileBytes(Target(), "old"));
  const DWORD wanted = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE;
  ASSERT_TRUE(SetFileAttributesA(Target().c_str(), wanted));
  const bool shown = Attributes(Target()) == wanted;
  EXPECT_TRUE(ReplaceFileContents(Target(), Bytes("new")));
  EXPECT_EQ(ReadFileBytes(Target()), "new");
  if (!shown) GTEST_SKIP() << "this file system keeps no hidden attribute to compare";
  EXPECT_EQ(Attributes(Target()), wanted);
}

TEST_F(ReplaceFileContentsTest, TargetHeldOpenElsewhereStaysAsItWas) {
  struct Holder {
    const char* what;
    DWORD access;
    DWORD sharing;
  };
  // Whoever keeps the file from being renamed over (no delete sharing) blocks it.
  for (const Holder& holder :
       {Holder{"exclusive reader", GENERIC_READ, 0}, Holder{"exclusive writer", GENERIC_WRITE, 0},
        Holder{"reader sharing read and write", GENERIC_READ,
               FILE_SHARE_READ | FILE_SHARE_WRITE}}) {
    ASSERT_TRUE(WriteFileBytes(Target(), "old bytes"));
    const Names before = Listing();
    {
      auto held = HoldOpen(Target(), holder.access, holder.sharing);
      ASSERT_TRUE(held) << holder.what;
      EXPECT_FALSE(ReplaceFileContents(Target(), Bytes("new"))) << holder.what;
      EXPECT_EQ(Listing(), before) << holder.what << ": a temporary file was left";
    }
    EXPECT_EQ(ReadFileBytes(Target()), "old bytes") << holder.what;
  }
}

TEST_F(ReplaceFileContentsTest, LeavesOtherPeoplesTemporaryFilesAlone) {
  ASSERT_TRUE(WriteFileBytes(Target(), "old"));
  ASSERT_TRUE(WriteFileBytes(PathOf("rf1a2b.tmp"), ""));
  ASSERT_TRUE(WriteFileBytes(PathOf("hosts.tmp"), ""));
  const Names before = Listing();
  {
    auto held = HoldOpen(Target(), GENERIC_READ, 0);
    ASSERT_TRUE(held);
    EXPECT_FALSE(ReplaceFileContents(Target(), Bytes("new")));
  }
  EXPECT_EQ(Listing(), before);
  EXPECT_TRUE(ReplaceFileContents(Target(), Bytes("new")));
  EXPECT_EQ(Listing(), before);
}

TEST_F(ReplaceFileContentsTest, SweepsUpWhatAKilledWriterLeftButNotALiveOnes) {
  ASSERT_TRUE(WriteFileBytes(Target(), "old"));
  // A writer killed mid-write: its process is gone, its half file stays.
  ASSERT_TRUE(WriteFileBytes(PathOf("hosts.~99996-0.tmp"), "half"));
  // A writer still at work: a running process of the prefix.
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION live{};
  char command[] = "C:\\windows\\system32\\cmd.exe /c ping -n 30 127.0.0.1 >nul";
  ASSERT_TRUE(CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                             nullptr, &startup, &live));
  const std::string live_temp = "hosts.~" + std::to_string(live.dwProcessId) + "-0.tmp";
  ASSERT_TRUE(WriteFileBytes(PathOf(live_temp), "busy"));
  EXPECT_TRUE(ReplaceFileContents(Target(), Bytes("new")));
  TerminateProcess(live.hProcess, 0);
  CloseHandle(live.hThread);
  CloseHandle(live.hProcess);
  EXPECT_EQ(Listing(), (Names{"hosts", live_temp}));
  EXPECT_EQ(ReadFileBytes(Target()), "new");
}

TEST_F(ReplaceFileContentsTest, AReaderThatSharesEverythingKeepsItsOldView) {
  ASSERT_TRUE(WriteFileBytes(Target(), "old bytes"));
  auto reader =
      HoldOpen(Target(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
  ASSERT_TRUE(reader);
  ASSERT_TRUE(ReplaceFileContents(Target(), Bytes("new")));
  EXPECT_EQ(ReadFileBytes(Target()), "new");
  // The swap is by name: the open handle still reads the old file whole.
  char seen[32] = {};
  DWORD got = 0;
  ASSERT_TRUE(ReadFile(reader.Get(), seen, sizeof(seen), &got, nullptr));
  EXPECT_EQ(std::string(seen, got), "old bytes");
}

TEST_F(ReplaceFileContentsTest, ReadOnlyTargetIsRefusedAndUnchanged) {
  // The hosts commands clear the attributes before writing; a read-only file
  // met here was made so on purpose and is left alone.
  ASSERT_TRUE(WriteFileBytes(Target(), "old"));
  ASSERT_TRUE(SetFileAttributesA(Target().c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(ReplaceFileContents(Target(), Bytes("new")));
  EXPECT_EQ(ReadFileBytes(Target()), "old");
  EXPECT_NE(Attributes(Target()) & FILE_ATTRIBUTE_READONLY, 0u);
  EXPECT_EQ(Listing(), Names{"hosts"});
}

TEST_F(ReplaceFileContentsTest, FolderInTheWayIsRefused) {
  ASSERT_TRUE(CreateDirectoryA(Target().c_str(), nullptr));
  EXPECT_FALSE(ReplaceFileContents(Target(), Bytes("new")));
  EXPECT_TRUE(testing::IsFolder(Target()));
  EXPECT_EQ(Listing(), Names{"hosts"});
}

TEST_F(ReplaceFileContentsTest, MissingFolderIsRefused) {
  EXPECT_FALSE(ReplaceFileContents(PathOf("missing\\hosts"), Bytes("new")));
  EXPECT_EQ(Listing(), Names{});
}

}  // namespace
}  // namespace ombrela

// Whole-file reads and writes, attributes, deletion, existence and the special
// folders, on real files in the prefix (run as an ordinary user, so that
// read-only is enforced).
#include "fileops/file_services.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/fileops/file_fixture.h"

namespace ombrela {
namespace {

using testing::FileFixture;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

const std::string kMixed("\x00\x01\xFF\r\n\x00#\xC6\xC1\x00", 10);

ByteSet Bytes(const std::string& s) {
  return ByteSet(s.begin(), s.end());
}

ByteSet AllByteValues(size_t length) {
  ByteSet bytes(length);
  for (size_t i = 0; i < length; ++i)
    bytes[i] = static_cast<unsigned char>((i * 7 + i / 256) & 0xFF);
  return bytes;
}

using ReadWholeFileTest = FileFixture;

TEST_F(ReadWholeFileTest, MissingFileOrFolderIsAbsent) {
  EXPECT_FALSE(ReadWholeFile(PathOf("missing")).has_value());
  EXPECT_FALSE(ReadWholeFile(PathOf("no-folder\\file")).has_value());
  EXPECT_FALSE(ReadWholeFile("").has_value());
}

TEST_F(ReadWholeFileTest, FolderIsAbsent) {
  EXPECT_FALSE(ReadWholeFile(folder_).has_value());
}

TEST_F(ReadWholeFileTest, EmptyFileIsPresentAndEmpty) {
  ASSERT_TRUE(WriteFileBytes(PathOf("empty"), ""));
  const auto read = ReadWholeFile(PathOf("empty"));
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->size(), 0u);
}

TEST_F(ReadWholeFileTest, ReadsEveryByteNulsIncluded) {
  ASSERT_TRUE(WriteFileBytes(PathOf("mixed"), kMixed));
  EXPECT_EQ(ReadWholeFile(PathOf("mixed")), Bytes(kMixed));

  const ByteSet big = AllByteValues(3 * 1024 * 1024 + 17);
  ASSERT_TRUE(WriteFileBytes(PathOf("big"), std::string(big.begin(), big.end())));
  EXPECT_EQ(ReadWholeFile(PathOf("big")), big);
}

TEST_F(ReadWholeFileTest, ReadsAFileAnotherHandleIsWriting) {
  ASSERT_TRUE(WriteFileBytes(PathOf("shared"), "abc"));
  auto writer = HoldOpen(PathOf("shared"), GENERIC_WRITE, FILE_SHARE_READ);
  ASSERT_TRUE(writer);
  EXPECT_EQ(ReadWholeFile(PathOf("shared")), Bytes("abc"));
}

TEST_F(ReadWholeFileTest, FileHeldWithoutSharingIsAbsent) {
  ASSERT_TRUE(WriteFileBytes(PathOf("locked"), "abc"));
  auto holder = HoldOpen(PathOf("locked"), GENERIC_READ, 0);
  ASSERT_TRUE(holder);
  EXPECT_FALSE(ReadWholeFile(PathOf("locked")).has_value());
}

TEST_F(ReadWholeFileTest, FileOfFourGibibytesOrMoreIsAbsent) {
  // Sparse files: the size is what counts, no data is read or written. A size
  // cut to its low 32 bits would pass 4 GiB + 3 for a 3-byte file.
  for (const LONGLONG size : {(LONGLONG{1} << 32) + 3, LONGLONG{1} << 32}) {
    const std::string path = PathOf("huge");
    {
      UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
      ASSERT_TRUE(file);
      LARGE_INTEGER end{};
      end.QuadPart = size;
      ASSERT_TRUE(SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN));
      ASSERT_TRUE(SetEndOfFile(file.Get()));
    }
    EXPECT_FALSE(ReadWholeFile(path).has_value()) << size;
  }
}

using WriteWholeFileTest = FileFixture;

TEST_F(WriteWholeFileTest, CreatesAndReplacesWithTheExactBytes) {
  const ByteSet big = AllByteValues(1024 * 1024 + 3);
  EXPECT_TRUE(WriteWholeFile(PathOf("f"), big));
  EXPECT_EQ(ReadFileBytes(PathOf("f")), std::string(big.begin(), big.end()));
  // A shorter write leaves nothing of the longer content behind.
  EXPECT_TRUE(WriteWholeFile(PathOf("f"), Bytes(kMixed)));
  EXPECT_EQ(ReadFileBytes(PathOf("f")), kMixed);
  EXPECT_EQ(Attributes(PathOf("f")) & FILE_ATTRIBUTE_READONLY, 0u);
}

TEST_F(WriteWholeFileTest, EmptyDataLeavesAnEmptyFile) {
  ASSERT_TRUE(WriteFileBytes(PathOf("f"), "old content"));
  EXPECT_TRUE(WriteWholeFile(PathOf("f"), ByteSet{}));
  EXPECT_EQ(ReadFileBytes(PathOf("f")), "");
  EXPECT_TRUE(WriteWholeFile(PathOf("new"), ByteSet{}));
  EXPECT_EQ(ReadFileBytes(PathOf("new")), "");
}

TEST_F(WriteWholeFileTest, ReadOnlyFileIsRefusedAndUnchanged) {
  ASSERT_TRUE(WriteFileBytes(PathOf("ro"), "keep me"));
  ASSERT_TRUE(SetFileAttributesA(PathOf("ro").c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(WriteWholeFile(PathOf("ro"), Bytes("new")));
  EXPECT_EQ(ReadFileBytes(PathOf("ro")), "keep me");
  EXPECT_NE(Attributes(PathOf("ro")) & FILE_ATTRIBUTE_READONLY, 0u);
}

TEST_F(WriteWholeFileTest, FileHeldOpenElsewhereIsRefusedAndUnchanged) {
  ASSERT_TRUE(WriteFileBytes(PathOf("held"), "keep me"));
  struct Holder {
    const char* what;
    DWORD access;
    DWORD sharing;
  };
  // This write grants no sharing, so even a reader that shares everything blocks it.
  for (const Holder& holder : {Holder{"exclusive reader", GENERIC_READ, 0},
                               Holder{"sharing reader", GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE},
                               Holder{"exclusive writer", GENERIC_WRITE, 0}}) {
    auto held = HoldOpen(PathOf("held"), holder.access, holder.sharing);
    ASSERT_TRUE(held) << holder.what;
    EXPECT_FALSE(WriteWholeFile(PathOf("held"), Bytes("new"))) << holder.what;
    held.Close();
    EXPECT_EQ(ReadFileBytes(PathOf("held")), "keep me") << holder.what;
  }
}

TEST_F(WriteWholeFileTest, MissingFolderIsRefused) {
  EXPECT_FALSE(WriteWholeFile(PathOf("no-folder\\f"), Bytes("x")));
  EXPECT_FALSE(testing::IsFolder(PathOf("no-folder")));
  EXPECT_FALSE(WriteWholeFile(folder_, Bytes("x")));
  EXPECT_TRUE(testing::IsFolder(folder_));
}

using AttributesTest = FileFixture;

TEST_F(AttributesTest, ArchiveAloneClearsReadOnlyAndAllowsWriting) {
  ASSERT_TRUE(WriteFileBytes(PathOf("f"), "x"));
  ASSERT_TRUE(SetFileAttributesA(PathOf("f").c_str(), FILE_ATTRIBUTE_READONLY));
  ASSERT_FALSE(WriteWholeFile(PathOf("f"), Bytes("y")));
  EXPECT_TRUE(SetAttributes(PathOf("f"), 32));
  EXPECT_EQ(Attributes(PathOf("f")), DWORD{FILE_ATTRIBUTE_ARCHIVE});
  EXPECT_TRUE(WriteWholeFile(PathOf("f"), Bytes("y")));
  EXPECT_EQ(ReadFileBytes(PathOf("f")), "y");
}

TEST_F(AttributesTest, MissingFileFails) {
  EXPECT_FALSE(SetAttributes(PathOf("missing"), 32));
}

using RemoveFileTest = FileFixture;

TEST_F(RemoveFileTest, RemovesAFileOnce) {
  ASSERT_TRUE(WriteFileBytes(PathOf("f"), "x"));
  EXPECT_TRUE(RemoveFile(PathOf("f")));
  EXPECT_EQ(Attributes(PathOf("f")), INVALID_FILE_ATTRIBUTES);
  EXPECT_FALSE(RemoveFile(PathOf("f")));
}

TEST_F(RemoveFileTest, ReadOnlyFileAndFolderStay) {
  ASSERT_TRUE(WriteFileBytes(PathOf("ro"), "x"));
  ASSERT_TRUE(SetFileAttributesA(PathOf("ro").c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(RemoveFile(PathOf("ro")));
  EXPECT_EQ(ReadFileBytes(PathOf("ro")), "x");
  ASSERT_TRUE(CreateDirectoryA(PathOf("sub").c_str(), nullptr));
  EXPECT_FALSE(RemoveFile(PathOf("sub")));
  EXPECT_TRUE(testing::IsFolder(PathOf("sub")));
}

using FileExistsTest = FileFixture;

TEST_F(FileExistsTest, TellsFilesAndFoldersFromMissingPaths) {
  ASSERT_TRUE(WriteFileBytes(PathOf("f"), ""));
  EXPECT_TRUE(FileExists(PathOf("f")));
  EXPECT_TRUE(FileExists(folder_));
  EXPECT_FALSE(FileExists(PathOf("missing")));
  EXPECT_FALSE(FileExists(PathOf("missing\\f")));
}

TEST(SpecialFolderTest, SystemFolderIsTheSystemDirectory) {
  const Text folder = SystemFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '\\');
  EXPECT_EQ(folder.find(' '), Text::npos) << "a blank-padded buffer leaked: " << folder;
  char expected[MAX_PATH] = {};
  ASSERT_NE(GetSystemDirectoryA(expected, sizeof(expected)), 0u);
  EXPECT_EQ(lstrcmpiA(folder.c_str(), expected), 0) << folder << " vs " << expected;
  EXPECT_TRUE(testing::IsFolder(folder));
  EXPECT_TRUE(FileExists(folder + "\\drivers\\etc"));
}

TEST(SpecialFolderTest, AppDataFolderIsTheUsersApplicationData) {
  const Text folder = AppDataFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '\\');
  EXPECT_TRUE(testing::IsFolder(folder));
  EXPECT_EQ(lstrcmpiA(folder.c_str(), testing::TestAppData().c_str()), 0);
  char variable[MAX_PATH] = {};
  if (GetEnvironmentVariableA("APPDATA", variable, sizeof(variable)) > 0) {
    EXPECT_EQ(lstrcmpiA(folder.c_str(), variable), 0) << folder << " vs " << variable;
  }
  // Every call asks the platform again and hands out a value of its own.
  EXPECT_EQ(AppDataFolder(), folder);
}

}  // namespace
}  // namespace ombrela

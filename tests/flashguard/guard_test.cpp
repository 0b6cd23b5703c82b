// GuardFlashStorage on real shared-object trees in the prefix's AppData.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "flashguard/flash_guard.h"
#include "tests/flashguard/shared_object_tree.h"
#include "tests/support/prefix_files.h"

namespace ombrela::testing {
namespace {

class GuardFlashStorageTest : public SharedObjectTest {
 protected:
  // As at start-up of the program.
  static void SetUpTestSuite() { RefuseUntrustedRedirection(); }
};

TEST_F(GuardFlashStorageTest, SiteFolderWithContentBecomesTheGuardFile) {
  const std::string player = FirstRoot() + "\\K7XQ2P9A";
  const std::string site = player + "\\" + kSite;
  PutFile(site + "\\settings.sol", "volume=40");
  PutFile(site + "\\nested\\deeper\\video.sol", std::string("\x00\x01\xff", 3));
  MakeFolders(site + "\\empty");
  PutFile(player + "\\other.example.com\\x.sol", "keep");
  PutFile(player + "\\static.youku.com.cn\\y.sol", "same start, other host");
  PutFile(player + "\\localhost\\z.sol", "");
  Snapshot before = TakeSnapshot(player);

  GuardFlashStorage();

  EXPECT_TRUE(IsGuardFile(site));
  Snapshot expected;
  for (const auto& [name, content] : before) {
    if (name.rfind(std::string(kSite) + "\\", 0) != 0) expected[name] = content;
  }
  expected[kSite] = kGuardBytes;
  EXPECT_EQ(TakeSnapshot(player), expected);
}

TEST_F(GuardFlashStorageTest, SecondLocationHasNoPlayerLevel) {
  const std::string site = SecondRoot() + "\\" + kSite;
  PutFile(site + "\\a\\b.sol", "data");
  // A player level here is no part of the second location.
  const std::string deeper = SecondRoot() + "\\K7XQ2P9A\\" + kSite + "\\c.sol";
  PutFile(deeper, "stays");

  GuardFlashStorage();

  EXPECT_TRUE(IsGuardFile(site));
  EXPECT_EQ(ReadBytes(deeper), "stays");
}

TEST_F(GuardFlashStorageTest, OnlyTheFirstPlayerFolderOfTheRootIsTreated) {
  PutFile(FirstRoot() + "\\aaa-settings.sol", "a file is passed over");
  for (const char* player : {"K7XQ2P9A", "B3MM0Z1Q", "ZZ00TOP9"}) {
    PutFile(FirstRoot() + "\\" + player + "\\" + kSite + "\\v.sol", player);
  }
  const std::vector<std::string> folders = ListedFolders(FirstRoot());
  ASSERT_EQ(folders.size(), 5u);
  ASSERT_EQ(folders[0], ".");
  ASSERT_EQ(folders[1], "..");
  const std::string treated = folders[2];

  GuardFlashStorage();

  for (size_t i = 2; i < folders.size(); ++i) {
    const std::string site = FirstRoot() + "\\" + folders[i] + "\\" + kSite;
    SCOPED_TRACE(site);
    if (folders[i] == treated) {
      EXPECT_TRUE(IsGuardFile(site));
    } else {
      EXPECT_EQ(ReadBytes(site + "\\v.sol"), folders[i]);
    }
  }
  EXPECT_EQ(ReadBytes(FirstRoot() + "\\aaa-settings.sol"), "a file is passed over");
}

TEST_F(GuardFlashStorageTest, WithoutASharedObjectRootNothingIsWritten) {
  const struct {
    const char* what;
    const char* folder;  // below AppData, or null for none
  } cases[] = {
      {"no Macromedia folder", nullptr},
      {"only Macromedia", "\\Macromedia"},
      {"a player folder without root", "\\Macromedia\\Flash Player"},
      {"second player folder without root", "\\Macromedia\\FlashPlayer"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RemoveTree(MacromediaFolder());
    if (c.folder) MakeFolders(TestAppData() + c.folder);
    const Snapshot before = TakeSnapshot(TestAppData());

    GuardFlashStorage();

    EXPECT_EQ(TakeSnapshot(TestAppData()), before);
  }
}

TEST_F(GuardFlashStorageTest, RootWithoutSubfoldersTakesTheGuardFileItself) {
  // No player level: the chosen name is empty and the doubled backslash in
  // the path reads as one.
  PutFile(FirstRoot() + "\\settings.sol", "root file");

  GuardFlashStorage();

  EXPECT_TRUE(IsGuardFile(FirstRoot() + "\\" + kSite));
  EXPECT_EQ(ReadBytes(FirstRoot() + "\\settings.sol"), "root file");
}

TEST_F(GuardFlashStorageTest, ReadOnlyFileKeepsTheFolderAndTheGuardGoesOn) {
  const std::string site = FirstRoot() + "\\K7XQ2P9A\\" + kSite;
  PutFile(site + "\\a.sol", "a");
  PutFile(site + "\\locked\\ro.sol", "read-only");
  MakeReadOnly(site + "\\locked\\ro.sol");
  PutFile(site + "\\z.sol", "z");
  const std::string second_site = SecondRoot() + "\\" + kSite;
  PutFile(second_site + "\\s.sol", "s");

  GuardFlashStorage();

  EXPECT_TRUE(IsFolder(site));
  EXPECT_TRUE(IsFolder(site + "\\locked"));
  EXPECT_EQ(ReadBytes(site + "\\locked\\ro.sol"), "read-only");
  EXPECT_TRUE(IsGuardFile(second_site));
}

TEST_F(GuardFlashStorageTest, LaterRunsLeaveExactlyTheGuardBytes) {
  const std::string first_site = FirstRoot() + "\\K7XQ2P9A\\" + kSite;
  const std::string second_site = SecondRoot() + "\\" + kSite;
  PutFile(first_site + "\\a.sol", "a");
  PutFile(second_site + "\\b.sol", "b");
  GuardFlashStorage();
  ASSERT_TRUE(IsGuardFile(first_site));
  ASSERT_TRUE(IsGuardFile(second_site));

  // What a later run finds at the site's name: its own file, or a plain file
  // of some other length, which must end after the 19 bytes.
  for (const std::string& found :
       {std::string(kGuardBytes), std::string(40, 'x'), std::string(), std::string("short")}) {
    SCOPED_TRACE(found.size());
    PutFile(first_site, found);
    PutFile(second_site, found);

    GuardFlashStorage();

    EXPECT_TRUE(IsGuardFile(first_site));
    EXPECT_TRUE(IsGuardFile(second_site));
  }
}

TEST_F(GuardFlashStorageTest, ProtectedFileAtTheSiteNameKeepsItsBytes) {
  // Creating over such a file is refused, so a rewrite is too.
  const std::string site = SecondRoot() + "\\" + kSite;
  for (DWORD attribute : {FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
    SCOPED_TRACE(attribute);
    PutFile(site, "earlier bytes");
    ASSERT_TRUE(SetFileAttributesA(site.c_str(), attribute));

    GuardFlashStorage();

    EXPECT_EQ(ReadBytes(site), "earlier bytes");
    SetFileAttributesA(site.c_str(), FILE_ATTRIBUTE_NORMAL);
  }
}

TEST_F(GuardFlashStorageTest, FoldersSpelledInOtherCaseAreGuarded) {
  const std::string appdata = TestAppData();
  const std::string first =
      appdata + "\\MACROMEDIA\\flash player\\#sharedobjects\\K7XQ2P9A\\STATIC.YOUKU.COM";
  const std::string second =
      appdata + "\\MACROMEDIA\\flashplayer\\#SHAREDOBJECTS\\Static.Youku.Com";
  PutFile(first + "\\a.sol", "a");
  PutFile(second + "\\b.sol", "b");

  GuardFlashStorage();

  EXPECT_TRUE(IsGuardFile(first));
  EXPECT_TRUE(IsGuardFile(second));
}

TEST_F(GuardFlashStorageTest, LocationOverMaxPathIsLeftAlone) {
  // The player level's name sets the length of the first location.
  for (size_t length : {size_t{259}, size_t{260}}) {
    SCOPED_TRACE(length);
    RemoveTree(MacromediaFolder());
    const size_t fixed = FirstRoot().size() + 2 + std::string(kSite).size();
    const std::string player = FirstRoot() + "\\" + std::string(length - fixed, 'p');
    MakeFolders(player);
    const std::string site = player + "\\" + kSite;
    ASSERT_EQ(site.size(), length);

    GuardFlashStorage();

    if (length <= 259) {
      EXPECT_TRUE(IsGuardFile(site));
    } else {
      EXPECT_EQ(TakeSnapshot(player), Snapshot{});
    }
  }
}

TEST_F(GuardFlashStorageTest, SiteFolderOverMaxPathKeepsItsContent) {
  const size_t fixed = FirstRoot().size() + 2 + std::string(kSite).size();
  const std::string site = FirstRoot() + "\\" + std::string(270 - fixed, 'p') + "\\" + kSite;
  PutFile(site + "\\keep.sol", "long");

  GuardFlashStorage();

  EXPECT_EQ(ReadBytes(site + "\\keep.sol"), "long");
}

}  // namespace
}  // namespace ombrela::testing

// The Windows half of the link cases: link_cases.sh plants a tree with Unix
// symbolic links (what Wine shows for Windows links), runs one of these tests,
// and then checks on the Linux side that the content the links lead to is
// unchanged and the links are still there. Run alone, these tests find no
// tree and fail.
#include <gtest/gtest.h>

#include <string>

#include "flashguard/flash_guard.h"
#include "flashguard/folder_removal.h"
#include "tests/flashguard/shared_object_tree.h"
#include "tests/support/prefix_files.h"

namespace ombrela::testing {
namespace {

std::string FirstSite() {
  return FirstRoot() + "\\K7XQ2P9A\\" + kSite;
}
std::string SecondSite() {
  return SecondRoot() + "\\" + kSite;
}

// The planted trees are removed from the Linux side: under Wine, deleting a
// file link from Windows deletes its target.
class LinkCase : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RefuseUntrustedRedirection(); }
};

TEST_F(LinkCase, SiteFolderIsFolderLink) {
  ASSERT_EQ(ReadBytes(FirstSite() + "\\keep.txt"), "precious folder content");

  EXPECT_FALSE(RemoveFolder(FirstSite()));
  EXPECT_FALSE(EmptyFolder(FirstSite()));
  GuardFlashStorage();

  EXPECT_EQ(ReadBytes(FirstSite() + "\\keep.txt"), "precious folder content");
  EXPECT_TRUE(IsGuardFile(SecondSite()));
}

// A link inside the site folder stops its removal: the folder stays and no
// guard file can take its place.
class LinkInsideSite : public LinkCase {
 protected:
  void ExpectRemovalStops() {
    ASSERT_TRUE(IsFolder(FirstSite()));
    EXPECT_FALSE(RemoveFolder(FirstSite()));
    GuardFlashStorage();
    EXPECT_TRUE(IsFolder(FirstSite()));
    EXPECT_TRUE(IsGuardFile(SecondSite()));
  }
};

TEST_F(LinkInsideSite, FolderLink) {
  EXPECT_FALSE(EmptyFolder(FirstSite()));
  ExpectRemovalStops();
  EXPECT_EQ(ReadBytes(FirstSite() + "\\inner\\keep.txt"), "precious folder content");
}

TEST_F(LinkInsideSite, FileLink) {
  EXPECT_FALSE(EmptyFolder(FirstSite()));
  ExpectRemovalStops();
  EXPECT_EQ(ReadBytes(FirstSite() + "\\a.sol"), "precious file content");
}

TEST_F(LinkInsideSite, DanglingLink) {
  ExpectRemovalStops();
}

TEST_F(LinkInsideSite, NestedFolderLink) {
  EXPECT_FALSE(EmptyFolder(FirstSite()));
  ExpectRemovalStops();
  EXPECT_EQ(ReadBytes(FirstSite() + "\\sub\\inner\\keep.txt"), "precious folder content");
}

// A folder on the way to a site folder is a link: that location is left
// alone, the other one is still guarded.
struct AboveCase {
  const char* name;
  bool first_is_plain;
  bool second_is_plain;
};

class LinkAboveSite : public LinkCase, public ::testing::WithParamInterface<AboveCase> {};

TEST_P(LinkAboveSite, OnlyThePlainLocationIsGuarded) {
  GuardFlashStorage();

  if (GetParam().first_is_plain) {
    EXPECT_TRUE(IsGuardFile(FirstSite()));
  } else {
    EXPECT_EQ(ReadBytes(FirstSite() + "\\data.sol"), "precious shared object");
  }
  if (GetParam().second_is_plain) {
    EXPECT_TRUE(IsGuardFile(SecondSite()));
  } else {
    EXPECT_EQ(ReadBytes(SecondSite() + "\\data.sol"), "precious shared object");
  }
}

INSTANTIATE_TEST_SUITE_P(Links, LinkAboveSite,
                         ::testing::Values(AboveCase{"Macromedia", false, false},
                                           AboveCase{"PlayerFolder", false, true},
                                           AboveCase{"FirstRoot", false, true},
                                           AboveCase{"PlayerLevel", false, true},
                                           AboveCase{"SecondPlayerFolder", true, false},
                                           AboveCase{"SecondRoot", true, false}),
                         [](const auto& instance) { return std::string(instance.param.name); });

// Something at the guard file's own name already: never written through.
using LinkAtGuardName = LinkCase;

TEST_F(LinkAtGuardName, FileLink) {
  GuardFlashStorage();
  EXPECT_EQ(ReadBytes(FirstSite()), "precious file content");
  EXPECT_TRUE(IsGuardFile(SecondSite()));
}

TEST_F(LinkAtGuardName, DanglingLink) {
  GuardFlashStorage();
  EXPECT_FALSE(ReadBytes(FirstSite()).has_value());
  EXPECT_TRUE(IsGuardFile(SecondSite()));
}

TEST_F(LinkAtGuardName, HardLink) {
  GuardFlashStorage();
  EXPECT_EQ(ReadBytes(FirstSite()), "precious file content");
  EXPECT_TRUE(IsGuardFile(SecondSite()));
}

}  // namespace
}  // namespace ombrela::testing

// Path pieces with code page 936 names, where a backslash byte can be the
// second half of a character (0x81 0x5C is one character).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "flashguard/path_parts.h"

namespace ombrela {
namespace {

TEST(PathParts, TrailByteIsNoSeparator) {
  EXPECT_TRUE(EndsWithBackslash("C:\\d\\"));
  EXPECT_FALSE(EndsWithBackslash("C:\\d\\a\x81\x5c"));
  EXPECT_TRUE(EndsWithBackslash("C:\\d\\a\x81\x5c\\"));
  EXPECT_EQ(SplitAtBackslashes("a\x81\x5c\\\\b"),
            (std::vector<std::string_view>{"a\x81\x5c", "", "b"}));
}

TEST(PathParts, ParentAndName) {
  const struct {
    const char* path;
    const char* parent;  // null: no parent and name
    const char* name;
  } cases[] = {
      {"C:\\d\\site", "C:\\d\\", "site"},
      {"C:\\d\\site\\\\", "C:\\d\\", "site"},
      {"C:\\d\\a\x81\x5c", "C:\\d\\", "a\x81\x5c"},
      {"C:\\site", "C:\\", "site"},
      {"C:\\d\\\\site", "C:\\d\\\\", "site"},
      {"\\", nullptr, nullptr},
      {"C:\\", nullptr, nullptr},
      {"site", nullptr, nullptr},
      {"C:\\d\\..", nullptr, nullptr},
      {"C:\\d\\.", nullptr, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const auto parts = SplitParentAndName(c.path);
    ASSERT_EQ(parts.has_value(), c.parent != nullptr);
    if (!parts) continue;
    EXPECT_EQ(parts->parent, c.parent);
    EXPECT_EQ(parts->name, c.name);
  }
}

TEST(PathParts, ChildFinalPathJoinsWithOneBackslash) {
  EXPECT_EQ(ChildFinalPath("\\\\?\\C:\\d", "site"), "\\\\?\\C:\\d\\site");
  EXPECT_EQ(ChildFinalPath("\\\\?\\C:\\", "site"), "\\\\?\\C:\\site");
}

}  // namespace
}  // namespace ombrela

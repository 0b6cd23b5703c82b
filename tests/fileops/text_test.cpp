// The pure text and byte operations. No Windows header here either: these
// cases also run in a native build.
#include "fileops/text.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace ombrela {
namespace {

struct FindCase {
  const char* what;
  std::string haystack;
  std::string needle;
  int32_t expected;
};

std::ostream& operator<<(std::ostream& out, const FindCase& c) {
  return out << c.what;
}

class FindTextTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindTextTest, FindsTheFirstMatchAtACharacterStart) {
  const FindCase& c = GetParam();
  EXPECT_EQ(FindText(c.haystack, c.needle), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindTextTest,
    ::testing::Values(
        FindCase{"empty haystack", "", "a", -1}, FindCase{"empty needle", "abc", "", -1},
        FindCase{"both empty", "", "", -1},
        FindCase{"needle longer than haystack", "ab", "abc", -1},
        FindCase{"capital needle in small haystack", "abc", "BC", 2},
        FindCase{"small needle in capital haystack", "ABC", "bc", 2},
        FindCase{"whole haystack", "abc", "ABC", 1},
        FindCase{"match ending at the last byte", "hosts file", "FILE", 7},
        FindCase{"single byte at the very end", "abcd", "d", 4},
        FindCase{"first of two matches", "xabab", "ab", 2},
        FindCase{"no match", "abcdef", "abd", -1},
        // Only A-Z fold: the neighbours of the letter ranges stay distinct.
        FindCase{"[ is not {", "a[b", "a{b", -1}, FindCase{"{ is not [", "a{b", "a[b", -1},
        FindCase{"@ is not `", "@", "`", -1}, FindCase{"` is not @", "`", "@", -1},
        FindCase{"Z folds to z", "xzx", "Z", 2}, FindCase{"A folds to a", "xax", "A", 2},
        FindCase{"lead bytes C1 and E1 differ", "\xC1\xA1", "\xE1\xA1", -1},
        FindCase{"lead bytes E1 and C1 differ", "\xE1\xA1", "\xC1\xA1", -1},
        FindCase{"trail bytes C1 and E1 differ", "\xB0\xC1", "\xB0\xE1", -1},
        // A match may begin only where a character begins.
        FindCase{"no match at a trail byte (ASCII trail)", "\x81\x41", "a", -1},
        FindCase{"no match at a trail byte (DBCS trail)", "\xB0\xA1\xA1\xA2", "\xA1\xA1", -1},
        FindCase{"match at the next character instead", "\xB0\xA1\xA1\xA2", "\xA1", 3},
        FindCase{"two-byte then ASCII",
                 "\x81\x41"
                 "b",
                 "B", 3},
        FindCase{"ASCII before a letter that is a trail elsewhere", "x\x41", "a", 2},
        FindCase{"two-byte character found whole", "ab\xC6\xC1\xB1\xCE", "\xB1\xCE", 5},
        FindCase{"lead byte as the last byte", "a\x81", "\x81", 2},
        // The fold looks at single bytes, so a trail byte in A-Z folds too.
        FindCase{"trail byte folded in the needle", "\x81\x61", "\x81\x41", 1},
        FindCase{"trail byte folded in the haystack", "\x81\x41", "\x81\x61", 1},
        FindCase{"marker after hosts lines",
                 "127.0.0.1 localhost\r\n#\xC6\xC1\xB1\xCE QQ:Kalvireth",
                 "\xC6\xC1\xB1\xCE qq:KALVIRETH", 23}));

TEST(BytesToTextTest, StopsAtTheFirstNul) {
  EXPECT_EQ(BytesToText(ByteSet{0x41, 0x42, 0x00, 0x43, 0x44}), "AB");
  EXPECT_EQ(BytesToText(ByteSet{0x00, 0x41, 0x42}), "");
  EXPECT_EQ(BytesToText(ByteSet{}), "");
  EXPECT_EQ(BytesToText(ByteSet{0xC6, 0xC1, 0x0D, 0x0A}), "\xC6\xC1\r\n");
}

TEST(TextToBytesTest, GivesTheBytesWithoutATerminator) {
  EXPECT_EQ(TextToBytes("abc"), (ByteSet{0x61, 0x62, 0x63}));
  EXPECT_EQ(TextToBytes(""), ByteSet{});
  EXPECT_EQ(TextToBytes("\xD0\xC5\xCF\xA2"), (ByteSet{0xD0, 0xC5, 0xCF, 0xA2}));
  const Text text = "x\xFFy";
  EXPECT_EQ(BytesToText(TextToBytes(text)), text);
}

TEST(ConcatTextTest, JoinsAllPartsInOrder) {
  EXPECT_EQ(ConcatText({"C:\\windows", "\\drivers\\etc\\hosts"}),
            "C:\\windows\\drivers\\etc\\hosts");
  EXPECT_EQ(ConcatText({"a", "", "b", "cd"}), "abcd");
  EXPECT_EQ(ConcatText({"", ""}), "");
  const Text absent;
  EXPECT_EQ(ConcatText({absent, "x", absent}), "x");
}

TEST(ConcatBytesTest, JoinsBytesAndKeepsNuls) {
  const ByteSet empty;
  const ByteSet abc{0x61, 0x62, 0x63};
  const ByteSet nuls{0x00, 0x01, 0x00};
  EXPECT_EQ(ConcatBytes({&empty, &abc}), abc);
  EXPECT_EQ(ConcatBytes({&abc, &empty}), abc);
  EXPECT_EQ(ConcatBytes({nullptr, &abc}), abc);
  EXPECT_EQ(ConcatBytes({&empty, &empty}), ByteSet{});
  EXPECT_EQ(ConcatBytes({nullptr, nullptr}), ByteSet{});
  EXPECT_EQ(ConcatBytes({&nuls, &abc, &nuls}),
            (ByteSet{0x00, 0x01, 0x00, 0x61, 0x62, 0x63, 0x00, 0x01, 0x00}));
}

TEST(BlankTextTest, GivesBlanksOrNothing) {
  EXPECT_FALSE(BlankText(0).has_value());
  EXPECT_FALSE(BlankText(-1).has_value());
  EXPECT_FALSE(BlankText(INT32_MIN).has_value());
  EXPECT_EQ(BlankText(1), Text(" "));
  EXPECT_EQ(BlankText(3), Text("   "));
  EXPECT_EQ(BlankText(300), Text(300, ' '));
}

}  // namespace
}  // namespace ombrela

// The marker search on hosts contents: where a marker counts (at a character
// start of some NUL-free stretch, in any letter case) and where it does not,
// and the same answer as FindText over the stretches on generated contents.
#include "hosts/marker_search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "hosts/block_list.h"

namespace ombrela {
namespace {

const std::string kMarker(BlockMarker);
const std::string kNul(1, '\0');

std::string Repeat(const std::string& part, size_t times) {
  std::string out;
  for (size_t i = 0; i < times; ++i) out += part;
  return out;
}

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return s;
}

std::string Upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return s;
}

bool Contains(const std::string& content) {
  return ContainsBlockMarker(ByteSet(content.begin(), content.end()));
}

// What the marker search is defined as: FindText on each NUL-free stretch.
bool ContainsByDefinition(const std::string& content) {
  size_t begin = 0;
  while (begin <= content.size()) {
    size_t end = content.find('\0', begin);
    if (end == std::string::npos) end = content.size();
    if (FindText(std::string_view(content).substr(begin, end - begin), BlockMarker) != -1)
      return true;
    begin = end + 1;
  }
  return false;
}

struct MarkerCase {
  const char* what;
  std::string content;
  bool found;
};

std::ostream& operator<<(std::ostream& out, const MarkerCase& c) {
  return out << c.what;
}

class ContainsBlockMarkerTest : public ::testing::TestWithParam<MarkerCase> {};

TEST_P(ContainsBlockMarkerTest, CountsOnlyAMarkerAtACharacterStartOfAStretch) {
  const MarkerCase& c = GetParam();
  EXPECT_EQ(Contains(c.content), c.found) << c.what;
  EXPECT_EQ(ContainsByDefinition(c.content), c.found) << c.what << " (by definition)";
}

const std::string kHosts = "127.0.0.1 localhost\r\n::1 localhost\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, ContainsBlockMarkerTest,
    ::testing::Values(
        MarkerCase{"empty", "", false}, MarkerCase{"only NULs", Repeat(kNul, 40), false},
        MarkerCase{"the marker alone", kMarker, true},
        MarkerCase{"after hosts lines", kHosts + "#" + kMarker, true},
        MarkerCase{"in small letters", kHosts + Lower(kMarker) + "\r\n", true},
        MarkerCase{"in capitals", Upper(kMarker), true},
        MarkerCase{"cut short at the end", kHosts + kMarker.substr(0, kMarker.size() - 1), false},
        MarkerCase{"without its first byte", kHosts + kMarker.substr(1), false},
        MarkerCase{"after a NUL", kHosts + kNul + kMarker, true},
        MarkerCase{"before a NUL", kMarker + kNul + kHosts, true},
        MarkerCase{"split by a NUL", kMarker.substr(0, 9) + kNul + kMarker.substr(9), false},
        MarkerCase{"a lone lead byte before it makes it start at a trail byte", "\xB0" + kMarker,
                   false},
        MarkerCase{"a whole two-byte character before it", "\xB0\xA1" + kMarker, true},
        MarkerCase{"a lead byte whose trail is ASCII",
                   "\xB0"
                   "a" +
                       kMarker,
                   true},
        MarkerCase{"a lead byte cut off by a NUL", "x\xB0" + kNul + kMarker, true},
        MarkerCase{"its own first byte in front", "\xC6" + kMarker, false},
        MarkerCase{"a long even run of double-byte text", Repeat("\xC6\xC1", 5000) + kMarker, true},
        MarkerCase{"a long odd run of double-byte text",
                   "\xC6" + Repeat("\xC6\xC1", 5000) + kMarker, false},
        MarkerCase{"an odd run, then ASCII", "\xC6" + Repeat("\xC6\xC1", 500) + " " + kMarker,
                   true},
        MarkerCase{"misaligned once, aligned later", "\xB0" + kMarker + "\r\n" + kMarker, true},
        MarkerCase{"the marker's first character alone, many times",
                   Repeat("\xC6\xC1\xB1\xCE", 3000), false},
        MarkerCase{"one byte different", kMarker.substr(0, 20) + "X" + kMarker.substr(21), false},
        MarkerCase{"folding stops at A-Z: '[' is not '{'", Repeat("a[", 3) + kMarker, true}));

// Bytes that make the search's corner cases likely: the marker's own bytes,
// other lead bytes, NUL, letters in both cases, line breaks.
std::string Generated(std::mt19937& random) {
  static const std::string kPieces[] = {kMarker,
                                        Lower(kMarker),
                                        kMarker.substr(0, 16),
                                        kMarker.substr(1),
                                        kMarker.substr(0, 1),
                                        "\xC6",
                                        "\xC1",
                                        "\xB0\xA1",
                                        "\x81",
                                        kNul,
                                        "\r\n",
                                        "\n",
                                        "0.0.0.0 ad.example.com",
                                        "Q",
                                        "q",
                                        " "};
  std::uniform_int_distribution<size_t> count(0, 24);
  std::uniform_int_distribution<size_t> pick(0, std::size(kPieces) - 1);
  std::string content;
  for (size_t n = count(random); n > 0; --n) content += kPieces[pick(random)];
  return content;
}

TEST(ContainsBlockMarkerEquivalence, AgreesWithFindTextOverTheStretches) {
  std::mt19937 random(20240611);
  int found = 0;
  for (int i = 0; i < 50000; ++i) {
    const std::string content = Generated(random);
    const bool expected = ContainsByDefinition(content);
    ASSERT_EQ(Contains(content), expected) << "case " << i << ", " << content.size() << " bytes";
    found += expected;
  }
  // Both answers must have been exercised, or the comparison proves little.
  EXPECT_GT(found, 1000);
  EXPECT_LT(found, 49000);
}

TEST(ContainsBlockMarkerEquivalence, FindsTheMarkerAtTheEndOfAMegabyteHostsFile) {
  std::string hosts;
  while (hosts.size() < (1u << 20)) hosts += "0.0.0.0 stat.example-\xC6\xC1.com # \xB1\xCE\r\n";
  EXPECT_FALSE(Contains(hosts));
  EXPECT_TRUE(Contains(hosts + "#" + kMarker));
  EXPECT_FALSE(Contains(hosts + "#\xB0" + kMarker));
  EXPECT_TRUE(Contains(hosts + "#\xB0" + kNul + kMarker));
}

}  // namespace
}  // namespace ombrela

// The compiled-in block list and texts, checked by reading BlockText back
// line by line the way a hosts-file reader would, against the site table.
#include "hosts/block_list.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace ombrela {
namespace {

// "43 4E 54 56" -> the four bytes.
std::string FromHex(const char* hex) {
  std::string bytes;
  const std::string s = hex;
  for (size_t i = 0; i + 1 < s.size(); i += 3)
    bytes.push_back(static_cast<char>(std::stoi(s.substr(i, 2), nullptr, 16)));
  return bytes;
}

struct Site {
  const char* label_hex;
  size_t entries;
};

// Label bytes in code page 936 and the number of hosts, in list order.
const Site kSites[] = {
    {"43 4E 54 56", 8},                    // CNTV
    {"43 4E 52", 2},                       // CNR
    {"56 31 43 4E", 4},                    // V1CN
    {"4A 53 54 56", 2},                    // JSTV
    {"CE D2 C0 D6 CD F8", 12},             // 我乐网
    {"36 BC E4 B7 BF", 4},                 // 6间房
    {"69 C6 E6 D2 D5", 11},                // i奇艺
    {"D3 C5 BF E1 CD F8", 22},             // 优酷网
    {"CD C1 B6 B9 CD F8", 14},             // 土豆网
    {"BF E1 36 CD F8", 15},                // 酷6网
    {"BC A4 B6 AF CD F8", 4},              // 激动网
    {"CC EC CF DF CA D3 C6 B5", 3},        // 天线视频
    {"D1 B8 C0 D7 BF B4 BF B4", 5},        // 迅雷看看
    {"55 73 74 72 65 61 6D 54 56", 2},     // UstreamTV
    {"C6 A4 C6 A4 D3 B0 CA D3", 3},        // 皮皮影视
    {"B5 DA D2 BB B7 C5 D3 B3 CA D2", 2},  // 第一放映室
    {"57 6F 33 31 38", 1},                 // Wo318
    {"B1 AC C3 D7 BB A8", 1},              // 爆米花
    {"C0 D6 CA D3 CD F8", 2},              // 乐视网
    {"BE DE BE A8 CD F8", 1},              // 巨鲸网
    {"33 31 30 76", 1},                    // 310v
    {"42 65 74 30 30 37", 1},              // Bet007
    {"44 4A 35 32 37", 3},                 // DJ527
};

const std::string kMarkerBytes = FromHex(
    "C6 C1 B1 CE CA D3 C6 B5 CD F8 D5 BE B9 E3 B8 E6 20 51 51 3A 4B 61 6C 76 69 72 65 74 68");
const std::string kHeaderPrefix = FromHex("23 C6 C1 B1 CE B9 E3 B8 E6 3A");  // #屏蔽广告:
const std::string kEntryPrefix = "0.0.0.0 ";

std::vector<std::string> ExpectedLabels() {
  std::vector<std::string> labels;
  for (const Site& site : kSites) labels.push_back(FromHex(site.label_hex));
  return labels;
}

std::vector<std::string> SplitAtLineBreaks(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  lines.push_back(text.substr(start));
  return lines;
}

bool IsHostName(const std::string& name) {
  if (name.size() < 9 || name.size() > 28) return false;
  for (char c : name) {
    const bool allowed = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '-';
    if (!allowed) return false;
  }
  return name.front() != '.' && name.back() != '.' && name.find("..") == std::string::npos;
}

struct ParsedGroup {
  std::string label;
  std::vector<std::string> hosts;
};

// Reads the groups from the lines after the head; every deviation from the
// layout is reported as a failure at the line where it shows.
std::vector<ParsedGroup> ParseGroups(const std::vector<std::string>& lines, size_t first) {
  std::vector<ParsedGroup> groups;
  size_t i = first;
  while (i < lines.size()) {
    const std::string& header = lines[i];
    EXPECT_EQ(header.compare(0, kHeaderPrefix.size(), kHeaderPrefix), 0) << "line " << i;
    groups.push_back({header.substr(kHeaderPrefix.size()), {}});
    for (++i; i < lines.size() && !lines[i].empty(); ++i) {
      EXPECT_EQ(lines[i].compare(0, kEntryPrefix.size(), kEntryPrefix), 0) << "line " << i;
      groups.back().hosts.push_back(lines[i].substr(kEntryPrefix.size()));
    }
    if (i == lines.size()) break;
    ++i;  // the one empty line between groups
    EXPECT_LT(i, lines.size()) << "the text ends with an empty line";
    if (i < lines.size()) {
      EXPECT_FALSE(lines[i].empty()) << "two empty lines before line " << i;
    }
  }
  return groups;
}

TEST(BlockMarkerTest, HasTheExactBytes) {
  EXPECT_EQ(BlockMarker.size(), 29u);
  EXPECT_EQ(std::string(BlockMarker), kMarkerBytes);
}

TEST(BlockTextTest, HeadIsTwoEmptyLinesTheMarkerLineAndAnEmptyLine) {
  const Text& text = BlockText();
  ASSERT_GE(text.size(), 38u);
  EXPECT_EQ(text.substr(0, 7), FromHex("0D 0A 0D 0A 23 C6 C1"));
  EXPECT_EQ(text.substr(4, 30), "#" + kMarkerBytes);
  EXPECT_EQ(text.substr(34, 4), "\r\n\r\n");
  EXPECT_EQ(text.substr(38, kHeaderPrefix.size()), kHeaderPrefix);
}

TEST(BlockTextTest, CarriesTheMarkerOnceAtPositionSix) {
  const Text& text = BlockText();
  EXPECT_EQ(FindText(text, BlockMarker), 6);
  EXPECT_EQ(FindText(text.substr(6), BlockMarker), -1);
  EXPECT_EQ(text.find(kMarkerBytes, 6), std::string::npos);
}

TEST(BlockTextTest, GroupsFollowTheSiteTableLineByLine) {
  const Text& text = BlockText();
  const std::vector<std::string> lines = SplitAtLineBreaks(text);
  EXPECT_EQ(lines.size(), 172u);
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "#" + kMarkerBytes);
  EXPECT_EQ(lines[3], "");

  const std::vector<ParsedGroup> groups = ParseGroups(lines, 4);
  const std::vector<std::string> labels = ExpectedLabels();
  ASSERT_EQ(groups.size(), labels.size());
  size_t entries = 0;
  for (size_t g = 0; g < groups.size(); ++g) {
    EXPECT_EQ(groups[g].label, labels[g]) << "group " << g + 1;
    EXPECT_EQ(groups[g].hosts.size(), kSites[g].entries) << "group " << g + 1;
    entries += groups[g].hosts.size();
  }
  EXPECT_EQ(entries, 123u);

  // What the text carries is the list, in the list's order.
  const std::span<const BlockGroup> list = BlockList();
  ASSERT_EQ(list.size(), groups.size());
  for (size_t g = 0; g < list.size(); ++g) {
    EXPECT_EQ(std::string(list[g].label), groups[g].label);
    ASSERT_EQ(list[g].hosts.size(), groups[g].hosts.size());
    for (size_t h = 0; h < list[g].hosts.size(); ++h)
      EXPECT_EQ(std::string(list[g].hosts[h]), groups[g].hosts[h]);
  }
}

TEST(BlockTextTest, HostNamesAreValidAndUnique) {
  std::set<std::string> seen;
  size_t count = 0;
  size_t host_bytes = 0;
  for (const BlockGroup& group : BlockList()) {
    for (std::string_view host : group.hosts) {
      const std::string name(host);
      EXPECT_TRUE(IsHostName(name)) << "'" << name << "'";
      EXPECT_TRUE(seen.insert(name).second) << name << " is listed twice";
      host_bytes += name.size();
      ++count;
    }
  }
  EXPECT_EQ(count, 123u);
  EXPECT_EQ(BlockText().size(), 1721u + host_bytes);
}

TEST(BlockTextTest, HasNoStrayControlBytesAndNoFinalLineBreak) {
  const Text& text = BlockText();
  for (const std::string& line : SplitAtLineBreaks(text)) {
    EXPECT_EQ(line.find_first_of(std::string("\t\r\n\0", 4)), std::string::npos) << line;
  }
  ASSERT_GE(text.size(), 2u);
  EXPECT_NE(text.substr(text.size() - 2), "\r\n");
  const std::vector<std::string> lines = SplitAtLineBreaks(text);
  const std::string_view last_host = BlockList().back().hosts.back();
  EXPECT_EQ(lines.back(), kEntryPrefix + std::string(last_host));
  EXPECT_EQ(std::string(BlockList().back().label), "DJ527");
}

TEST(BlockTextTest, AppendedToAHostsFileItStartsOnALineOfItsOwn) {
  // Without a final line break the last line is ended and one empty line follows.
  const std::vector<std::string> unended = SplitAtLineBreaks("127.0.0.1 localhost" + BlockText());
  ASSERT_GE(unended.size(), 3u);
  EXPECT_EQ(unended[0], "127.0.0.1 localhost");
  EXPECT_EQ(unended[1], "");
  EXPECT_EQ(unended[2], "#" + kMarkerBytes);
  // After a final line break, two empty lines.
  const std::vector<std::string> ended = SplitAtLineBreaks("127.0.0.1 localhost\r\n" + BlockText());
  ASSERT_GE(ended.size(), 4u);
  EXPECT_EQ(ended[1], "");
  EXPECT_EQ(ended[2], "");
  EXPECT_EQ(ended[3], "#" + kMarkerBytes);
}

TEST(SiteListTest, IsTheLabelsJoinedByIdeographicCommas) {
  EXPECT_EQ(SiteList.size(), 179u);
  const std::string comma = FromHex("A1 A2");
  // Split where a comma begins a character, as the text is read.
  std::vector<std::string> labels;
  std::string rest(SiteList);
  for (int32_t at; (at = FindText(rest, comma)) > 0; rest.erase(0, static_cast<size_t>(at) + 1))
    labels.push_back(rest.substr(0, static_cast<size_t>(at) - 1));
  labels.push_back(rest);
  EXPECT_EQ(labels.size(), 23u);
  EXPECT_EQ(labels, ExpectedLabels());
  std::vector<std::string> list_labels;
  for (const BlockGroup& group : BlockList()) list_labels.emplace_back(group.label);
  EXPECT_EQ(labels, list_labels);
  EXPECT_EQ(SiteList.find_first_of(std::string("\t\r\n\0", 4)), std::string_view::npos);
}

}  // namespace
}  // namespace ombrela

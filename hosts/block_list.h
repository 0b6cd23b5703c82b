// The compiled-in block list and the texts made from it: the marker by which
// a blocked hosts file is recognised, the block appended to it, and the list
// of supported sites shown at start-up.
#pragma once

#include <span>
#include <string_view>

#include "fileops/text.h"

namespace ombrela {

// "屏蔽视频网站广告 QQ:Kalvireth", 29 bytes in code page 936.
extern const std::string_view BlockMarker;
// The 23 site labels joined by "、", 179 bytes.
extern const std::string_view SiteList;

struct BlockGroup {
  std::string_view label;
  std::span<const std::string_view> hosts;
};

// The 23 groups in their fixed order, 123 host names in all.
std::span<const BlockGroup> BlockList();

// The exact bytes appended to the hosts file (no terminator, no final CR LF).
const Text& BlockText();

}  // namespace ombrela

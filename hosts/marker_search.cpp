#include "hosts/marker_search.h"

#include <algorithm>
#include <string_view>

#include "hosts/block_list.h"

namespace ombrela {

bool ContainsBlockMarker(const ByteSet& content) {
  // A NUL is neither part of the marker nor inside a character, so searching
  // each NUL-free stretch from its start finds every marker the file holds.
  auto begin = content.begin();
  while (begin != content.end()) {
    auto end = std::find(begin, content.end(), static_cast<unsigned char>(0));
    std::string_view stretch(reinterpret_cast<const char*>(&*begin),
                             static_cast<std::size_t>(end - begin));
    if (FindText(stretch, BlockMarker) != -1) return true;
    if (end == content.end()) break;
    begin = end + 1;
  }
  return false;
}

}  // namespace ombrela
